// One main for every test executable: a Qt application object first (fonts,
// image plugins and widgets need one), then GoogleTest.
#include <gtest/gtest.h>

#ifdef ZB_TEST_WIDGETS
#include <QApplication>
using TestApp = QApplication;
#else
#include <QGuiApplication>
using TestApp = QGuiApplication;
#endif

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    TestApp app(argc, argv);
    return RUN_ALL_TESTS();
}
