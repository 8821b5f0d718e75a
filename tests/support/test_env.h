// Shared test support: every test program runs in a fresh working folder of
// its own, and a stand-in application window lets tests see the failure paths
// close it.
#pragma once

#include <string>

// Reads a whole file; "" when it does not open.
std::string ReadWholeFile(const char* path);
// Writes bytes to a file, replacing it.
bool WriteWholeFile(const char* path, const std::string& bytes);
bool FileExists(const char* path);

// Stands as the application window (g_MainWnd) for the lifetime of a test.
class TestAppWindow {
public:
    TestAppWindow();
    ~TestAppWindow();
    // True once when WM_CLOSE was posted to the window (the message is taken).
    bool TakeClosePosted();
    // True when the window was destroyed.
    bool Destroyed() const;
    // True when either happened since the last call.
    bool TakeCloseRequest();

private:
    void* m_Wnd;
    int m_SeenCloses = 0;
};

#ifdef _WIN32
// Puts the calling thread on the test program's own desktop, where its
// windows are (a thread a test starts must call it before looking for them).
void JoinTestDesktop();
#endif
