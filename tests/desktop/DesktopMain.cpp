#include "DesktopSession.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

// The desktop tests run against a private X server; the test program looks
// at its screen through the xcb platform. Listing the tests needs no server.
int main(int argc, char** argv)
{
    bool listing = false;
    for (int i = 1; i < argc; ++i)
        listing = listing || std::strcmp(argv[i], "--gtest_list_tests") == 0;
    ::testing::InitGoogleTest(&argc, argv);
    if (listing)
        return RUN_ALL_TESTS();

    auto session = std::make_unique<DesktopSession>();
    if (!session->Running() || session->Display().size() < 2) {
        fprintf(stderr, "Xvfb did not start\n");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
