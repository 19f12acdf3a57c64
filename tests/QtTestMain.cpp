#include <QApplication>

#include <gtest/gtest.h>

// Window tests need an application object (offscreen) and its event loop.
int main(int argc, char** argv)
{
    // Headless everywhere, also when the build lists the tests.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
