// Tints the display named by argv[1] to 2700 K, says so on stdout and waits
// to be killed.
#include "core/gamma_service.h"
#include "platform/qt/qt_main_queue.h"
#include "platform/x11/x11_display_layer.h"

#include <cstdio>
#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    auto created = torvel::X11DisplayLayer::create(argc > 1 ? argv[1] : "");
    if (!created) {
        std::fprintf(stderr, "%s\n", qPrintable(created.error()));
        return 1;
    }
    auto layer = std::move(created.value());
    torvel::QtMainQueue queue;
    torvel::GammaService gamma(*layer, queue);
    gamma.apply(2700);
    std::printf("tinted\n");
    std::fflush(stdout);
    return app.exec();
}
