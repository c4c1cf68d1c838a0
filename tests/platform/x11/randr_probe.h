#pragma once
// A second X client that reads and sets CRTC ramps behind the layer's back.

#include <cstdint>
#include <QString>
#include <vector>

namespace torvel::test {

struct Ramps {
    std::vector<std::uint16_t> red, green, blue;
    bool operator==(const Ramps&) const = default;
};

class RandrProbe {
public:
    explicit RandrProbe(const QString& display);
    ~RandrProbe();
    RandrProbe(const RandrProbe&) = delete;
    RandrProbe& operator=(const RandrProbe&) = delete;

    // False when the X library could not open the display.
    bool connected() const;
    std::vector<std::uint32_t> activeCrtcs();
    Ramps ramps(std::uint32_t crtc);
    void setRamps(std::uint32_t crtc, const Ramps& ramps);
    // Gives the output named `connector` an EDID property, as a monitor's
    // driver would; false when there is no such output.
    bool setEdid(const QString& connector, const std::vector<std::uint8_t>& edid);

    // The screen's pixels in a rectangle of the first screen, as 0xRRGGBB
    // row by row; empty when the server refuses.
    std::vector<std::uint32_t> pixels(int x, int y, int width, int height);

    static Ramps identity(std::size_t size);
    // v^(1/gamma) curves, to stand for a calibration loaded by another tool.
    static Ramps curve(std::size_t size, double red, double green, double blue);

private:
    struct Impl;
    Impl* impl_;
};

} // namespace torvel::test
