#pragma once

#include <functional>
#include <windows.h>

// The program's one taskbar button, titled with the application title: a window that is on
// screen but shows nothing, and that owns every other window of the program, so they keep off the
// taskbar and go down and come back with it.
class TTaskbarEntry {
public:
    // `front` brings the program's windows forward when the button is pressed; `close` ends the
    // program when the taskbar closes it.
    TTaskbarEntry(std::function<void()> front, std::function<void()> close);
    ~TTaskbarEntry();
    TTaskbarEntry(const TTaskbarEntry&) = delete;
    TTaskbarEntry& operator=(const TTaskbarEntry&) = delete;

    HWND handle() const { return window_; }
    void show();
    void minimiseAll();

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    std::function<void()> front_;
    std::function<void()> close_;
    bool minimised_ = false;
};
