#pragma once

#include <functional>
#include <windows.h>

// Hands work from other threads to the thread that made it, through that thread's message loop:
// the test player's completion notices, which MCI gives on a thread of its own. What is still
// waiting when the window goes is dropped, not run.
class TNoticeWindow {
public:
    TNoticeWindow();
    ~TNoticeWindow();
    TNoticeWindow(const TNoticeWindow&) = delete;
    TNoticeWindow& operator=(const TNoticeWindow&) = delete;

    // From any thread.
    void deliver(std::function<void()> notice) const;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
};
