#pragma once

#include <exception>
#include <functional>
#include <string>

inline constexpr const char* applicationTitle = "Zentrel v2.0";

// What the program's one error box says and when, for the Qt and the Win32 box alike; each layer
// only presents `text` in a box titled `title`.
struct TErrorReport {
    using Present = void (*)(const char* title, const std::string& text);

    // An exception ends the handler where it stands and its message is shown.
    static void run(const std::function<void()>& handler, Present present)
    {
        try {
            handler();
        } catch (const std::exception& error) {
            show(error.what(), present);
        } catch (...) {
            show("Unknown error", present);
        }
    }

    // Under the application title, with a full stop always appended, even after a message that
    // already ends in one.
    static void show(const std::string& message, Present present) { present(applicationTitle, message + "."); }

    // As it stands, titled "Error".
    static void showError(const std::string& text, Present present) { present("Error", text); }
};
