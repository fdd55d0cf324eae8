#pragma once

#include "shell/skin/TErrorReport.h"

#include <functional>
#include <string>

// The program's one error box. Every handler of every window runs inside run(): an exception ends
// the handler where it stands, its message is shown with a full stop appended, and control returns
// to the message loop. Messages are the core's 8-bit text.
class TErrorBox {
public:
    static void run(const std::function<void()>& handler);
    // message + "." in a box titled with the application title, with a stop icon and OK.
    static void show(const std::string& message);
    // `text` as it stands, titled "Error", with the error icon and OK.
    static void showError(const std::string& text);
};
