#include <QApplication>

#include <gtest/gtest.h>

// Window tests need an application object (offscreen) and its event loop.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
