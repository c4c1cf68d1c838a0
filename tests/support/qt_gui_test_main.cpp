// gtest main for tests that draw: a QApplication on the offscreen platform
// unless the test's environment names another. With TORVEL_REFERENCE_FONT=1
// its font is DejaVu Sans, the one the reference images were drawn in,
// whatever else fontconfig prefers; without, the desktop's, as the built
// app that run tests start gets it.
#include <gtest/gtest.h>
#include <QApplication>
#include <QFont>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (qEnvironmentVariableIntValue("TORVEL_REFERENCE_FONT") == 1) {
        QFont font = QApplication::font();
        font.setFamily(QStringLiteral("DejaVu Sans"));
        QApplication::setFont(font);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
