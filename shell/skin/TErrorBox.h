#pragma once

#include "shell/skin/TErrorReport.h"

#include <functional>
#include <string>
#include <type_traits>
#include <utility>

// Shows the box on the active window; a test hook, when set, receives the text instead.
void presentErrorBox(const char* title, const std::string& text);

// The program's one error box (TErrorReport); messages are the core's 8-bit text.
class TErrorBox : public TErrorReport<presentErrorBox> {
public:
    using Hook = std::function<void(const std::string& text)>;

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
