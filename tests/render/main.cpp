// The renderer's tests run with no display at all: whatever the caller's
// environment, DISPLAY and WAYLAND_DISPLAY are gone before the first test.
#include <QCoreApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
