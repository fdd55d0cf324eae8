#pragma once

#include <functional>
#include <string>

// What "zentrel-cycle --present" does for one module, run at the user's word: the stand-in
// machine's wallpaper set as the desktop's background, or its start-up sound played once.
class TDesktopShow {
public:
    enum class What { Wallpaper, StartupSound };
    using Hook = std::function<void(const std::string& programDirectory, What what)>;

    // Returns when it has been shown (a sound when it has ended). Throws an Exception with the
    // message when it could not be; a desktop without a session, or whose background can't be set
    // from here, is left alone.
    static void run(const std::string& programDirectory, What what);

    // Tests take the place of the desktop; an empty hook brings it back.
    static void setTestHook(Hook hook);
};
