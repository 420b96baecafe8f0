// One QApplication for every test of the Qt back end, on the offscreen platform.
#include <QApplication>
#include <gtest/gtest.h>

#include "platform/qt/classic_style.h"
#include "platform/qt/fonts.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    plat::qt::installClassicStyle();
    plat::qt::registerFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
