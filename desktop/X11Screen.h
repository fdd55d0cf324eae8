#pragma once

#include <string>
#include <vector>

struct xcb_connection_t;
struct xcb_screen_t;

// What the X display tells about its outputs, virtual desktops and desktop window, for desktops
// that name their settings after them or draw their own background. Empty outputs when the
// display can't be reached.
struct X11Screen {
    std::vector<std::string> outputs; // RandR's names of the connected outputs: "HDMI-1", "screen"
    int workspaces = 1; // _NET_NUMBER_OF_DESKTOPS, as the window manager keeps it
    bool desktopWindow = false; // a desktop program's window covers the root window

    static X11Screen of(const std::string& display);
    // A desktop program (pcmanfm, xfdesktop, caja, nemo) draws its background into a window of
    // the desktop type over the root window, which then never shows.
    static bool desktopWindowCovers(xcb_connection_t* connection, const xcb_screen_t& screen);
};
