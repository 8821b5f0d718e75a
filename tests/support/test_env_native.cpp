#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/support/test_env.h"

extern int g_NativeCloseCount;

TestAppWindow::TestAppWindow() : m_Wnd(nullptr), m_SeenCloses(g_NativeCloseCount) {}
TestAppWindow::~TestAppWindow() {}

bool TestAppWindow::TakeCloseRequest() {
    bool closed = g_NativeCloseCount != m_SeenCloses;
    m_SeenCloses = g_NativeCloseCount;
    return closed;
}
bool TestAppWindow::TakeClosePosted() { return TakeCloseRequest(); }
bool TestAppWindow::Destroyed() const { return g_NativeCloseCount != m_SeenCloses; }

int main(int argc, char** argv) {
    char dir[] = "/tmp/vantor-test-XXXXXX";
    if (mkdtemp(dir) && chdir(dir) != 0) return 2;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
