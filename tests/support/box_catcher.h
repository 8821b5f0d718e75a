// Catches the message boxes a test provokes on its own thread: while a
// catcher lives, every box is taken away before it is shown, and its caption
// and text are kept for the test to check.
#pragma once

#include <string>
#include <vector>

struct CaughtBox {
    std::string caption;
    std::string text;
};

class BoxCatcher {
public:
    BoxCatcher();
    ~BoxCatcher();
    BoxCatcher(const BoxCatcher&) = delete;
    BoxCatcher& operator=(const BoxCatcher&) = delete;

    // The boxes shown since the last call, oldest first.
    std::vector<CaughtBox> Take();

private:
    void* m_Hook;
};
