#pragma once

#include <exception>
#include <functional>
#include <string>

inline constexpr const char* applicationTitle = "Zentrel v2.0";

// The program's one error box, for the Qt and the Win32 layer alike; each layer only presents
// `text` in a box titled `title`, with a stop icon and OK. Every handler of every window runs
// inside run(): an exception ends the handler where it stands, its message is shown with a full
// stop appended, and control returns to the event loop.
template <void (*present)(const char* title, const std::string& text)> struct TErrorReport {
    static void run(const std::function<void()>& handler)
    {
        try {
            handler();
        } catch (const std::exception& error) {
            show(error.what());
        } catch (...) {
            show("Unknown error");
        }
    }

    // Under the application title, with the full stop always appended, even after a message that
    // already ends in one.
    static void show(const std::string& message) { present(applicationTitle, message + "."); }

    // As it stands, titled "Error".
    static void showError(const std::string& text) { present("Error", text); }
};
