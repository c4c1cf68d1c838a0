// The cheapest program of our kind: one tray icon and nothing else, for the
// performance report to compare against.
#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QSystemTrayIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    QImage image(22, 22, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QSystemTrayIcon tray(QIcon(QPixmap::fromImage(image)));
    tray.show();
    return app.exec();
}
