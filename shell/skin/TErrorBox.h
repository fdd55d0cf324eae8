#pragma once

#include "shell/skin/TErrorReport.h"

#include <functional>
#include <string>
#include <type_traits>
#include <utility>

// The program's one error box. Every handler of every window runs inside run(): an exception ends
// the handler where it stands, its message is shown with a full stop appended, and control returns
// to the event loop. Tests set a hook that receives the text instead of a box being shown.
class TErrorBox {
public:
    using Hook = std::function<void(const std::string& text)>;

    static void run(const std::function<void()>& handler);
    // Shows message + "." in a box titled with the application title, with a stop icon and OK.
    static void show(const std::string& message);
    // Shows `text` as it stands in a box titled "Error", with the error icon and OK. The test hook
    // receives it too.
    static void showError(const std::string& text);
    // An empty hook brings the real box back.
    static void setTestHook(Hook hook);
};

// Wraps a handler for connecting to a signal; the signal's arguments are passed on when the
// handler takes them.
template <class Handler> auto guarded(Handler handler)
{
    return [handler = std::move(handler)](auto&&... args) {
        TErrorBox::run([&] {
            if constexpr (std::is_invocable_v<const Handler&, decltype(args)...>)
                handler(std::forward<decltype(args)>(args)...);
            else
                handler();
        });
    };
}
