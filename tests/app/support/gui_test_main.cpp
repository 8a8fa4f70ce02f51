#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>

#include "app/platform/platform_notices.h"

// The main of the window tests: one QApplication for all of them, on the offscreen platform
// unless another is chosen, with the C library reading numbers with a point, as in the program.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    vork::SilencePlatformNotices();
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
