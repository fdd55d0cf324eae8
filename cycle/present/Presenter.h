#pragma once

#include "cycle/cli/CycleServices.h"

#include <iosfwd>
#include <memory>

class DesktopBackground;

// Carries what Windows would show at start onto the running desktop: the stand-in machine's
// wallpaper as the desktop's background. It reads the machine and changes none of its files.
class Presenter {
public:
    // `background` null: the session has no desktop to show anything on.
    Presenter(
        CycleServices services, std::unique_ptr<DesktopBackground> background, std::ostream& out, std::ostream& errors);
    ~Presenter();

    // One line per thing shown; returns false when one failed (its message on `errors`).
    bool present();

private:
    bool showWallpaper();
    void fail(const std::string& what, const std::string& message);

    CycleServices m_services;
    std::unique_ptr<DesktopBackground> m_background;
    std::ostream& m_out;
    std::ostream& m_errors;
};
