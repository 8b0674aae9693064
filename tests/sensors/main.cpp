#include <gtest/gtest.h>

#include <QApplication>

// The window tests need the application object before any widget exists.
// Test discovery runs this program at build time without a display, so
// fall back to offscreen.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
