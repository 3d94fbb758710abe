#include <QApplication>
#include <gtest/gtest.h>

// Widget tests need the QApplication before any widget exists; they run headless unless told
// otherwise, also when ctest lists them.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Spurline"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
