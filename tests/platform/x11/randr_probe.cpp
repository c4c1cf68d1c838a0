#include "platform/x11/randr_probe.h"

#include <cmath>
#include <cstdlib>
#include <xcb/randr.h>
#include <xcb/xcb.h>

namespace torvel::test {

struct RandrProbe::Impl {
    xcb_connection_t* c = nullptr;
};

RandrProbe::RandrProbe(const QString& display)
    : impl_(new Impl) {
    impl_->c = xcb_connect(display.toLocal8Bit().constData(), nullptr);
}

bool RandrProbe::connected() const {
    return xcb_connection_has_error(impl_->c) == 0;
}

std::vector<std::uint32_t> RandrProbe::pixels(int x, int y, int width, int height) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(impl_->c)).data->root;
    auto* reply = xcb_get_image_reply(
        impl_->c,
        xcb_get_image(impl_->c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, static_cast<std::int16_t>(x),
                      static_cast<std::int16_t>(y), static_cast<std::uint16_t>(width),
                      static_cast<std::uint16_t>(height), ~0u),
        nullptr);
    std::vector<std::uint32_t> out;
    // Xvfb's 24-bit screens hold 32 bits a pixel, BGRX in memory.
    if (reply && xcb_get_image_data_length(reply) >= width * height * 4) {
        const auto* data = xcb_get_image_data(reply);
        for (int i = 0; i < width * height; ++i) {
            out.push_back(static_cast<std::uint32_t>(data[i * 4 + 2]) << 16 |
                          static_cast<std::uint32_t>(data[i * 4 + 1]) << 8 | data[i * 4]);
        }
    }
    std::free(reply);
    return out;
}

bool RandrProbe::setEdid(const QString& connector, const std::vector<std::uint8_t>& edid) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(impl_->c)).data->root;
    auto* res = xcb_randr_get_screen_resources_current_reply(
        impl_->c, xcb_randr_get_screen_resources_current(impl_->c, root), nullptr);
    if (!res) {
        return false;
    }
    auto* atom = xcb_intern_atom_reply(impl_->c, xcb_intern_atom(impl_->c, 0, 4, "EDID"), nullptr);
    bool done = false;
    const auto* outputs = xcb_randr_get_screen_resources_current_outputs(res);
    for (int i = 0; atom && i < xcb_randr_get_screen_resources_current_outputs_length(res); ++i) {
        auto* info = xcb_randr_get_output_info_reply(
            impl_->c, xcb_randr_get_output_info(impl_->c, outputs[i], res->config_timestamp),
            nullptr);
        const QString name = info ? QString::fromLatin1(reinterpret_cast<const char*>(
                                                            xcb_randr_get_output_info_name(info)),
                                                        xcb_randr_get_output_info_name_length(info))
                                  : QString();
        std::free(info);
        if (name == connector) {
            xcb_randr_change_output_property(impl_->c, outputs[i], atom->atom, XCB_ATOM_INTEGER, 8,
                                             XCB_PROP_MODE_REPLACE,
                                             static_cast<std::uint32_t>(edid.size()), edid.data());
            std::free(xcb_get_input_focus_reply(impl_->c, xcb_get_input_focus(impl_->c), nullptr));
            done = true;
        }
    }
    std::free(atom);
    std::free(res);
    return done;
}

RandrProbe::~RandrProbe() {
    xcb_disconnect(impl_->c);
    delete impl_;
}

std::vector<std::uint32_t> RandrProbe::activeCrtcs() {
    std::vector<std::uint32_t> out;
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(impl_->c)); it.rem;
         xcb_screen_next(&it)) {
        auto* res = xcb_randr_get_screen_resources_current_reply(
            impl_->c, xcb_randr_get_screen_resources_current(impl_->c, it.data->root), nullptr);
        if (!res) {
            continue;
        }
        const auto* crtcs = xcb_randr_get_screen_resources_current_crtcs(res);
        for (int i = 0; i < xcb_randr_get_screen_resources_current_crtcs_length(res); ++i) {
            auto* info = xcb_randr_get_crtc_info_reply(
                impl_->c, xcb_randr_get_crtc_info(impl_->c, crtcs[i], res->config_timestamp),
                nullptr);
            if (info && info->mode != XCB_NONE && info->num_outputs > 0) {
                out.push_back(crtcs[i]);
            }
            std::free(info);
        }
        std::free(res);
    }
    return out;
}

Ramps RandrProbe::ramps(std::uint32_t crtc) {
    Ramps r;
    auto* g =
        xcb_randr_get_crtc_gamma_reply(impl_->c, xcb_randr_get_crtc_gamma(impl_->c, crtc), nullptr);
    if (!g) {
        return r;
    }
    const auto* red = xcb_randr_get_crtc_gamma_red(g);
    const auto* green = xcb_randr_get_crtc_gamma_green(g);
    const auto* blue = xcb_randr_get_crtc_gamma_blue(g);
    r.red.assign(red, red + g->size);
    r.green.assign(green, green + g->size);
    r.blue.assign(blue, blue + g->size);
    std::free(g);
    return r;
}

void RandrProbe::setRamps(std::uint32_t crtc, const Ramps& r) {
    xcb_randr_set_crtc_gamma(impl_->c, crtc, static_cast<std::uint16_t>(r.red.size()), r.red.data(),
                             r.green.data(), r.blue.data());
    std::free(xcb_get_input_focus_reply(impl_->c, xcb_get_input_focus(impl_->c), nullptr));
}

Ramps RandrProbe::identity(std::size_t size) {
    return curve(size, 1, 1, 1);
}

Ramps RandrProbe::curve(std::size_t size, double red, double green, double blue) {
    Ramps r;
    for (std::size_t i = 0; i < size; ++i) {
        const double x = static_cast<double>(i) / static_cast<double>(size - 1);
        r.red.push_back(static_cast<std::uint16_t>(std::lround(std::pow(x, 1 / red) * 65535)));
        r.green.push_back(static_cast<std::uint16_t>(std::lround(std::pow(x, 1 / green) * 65535)));
        r.blue.push_back(static_cast<std::uint16_t>(std::lround(std::pow(x, 1 / blue) * 65535)));
    }
    return r;
}

} // namespace torvel::test
