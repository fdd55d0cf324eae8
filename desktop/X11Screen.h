#pragma once

#include <string>
#include <vector>

// What the X display tells about its outputs and virtual desktops, for desktops that name their
// settings after them. Empty outputs when the display can't be reached.
struct X11Screen {
    std::vector<std::string> outputs; // RandR's names of the connected outputs: "HDMI-1", "screen"
    int workspaces = 1; // _NET_NUMBER_OF_DESKTOPS, as the window manager keeps it

    static X11Screen of(const std::string& display);
};
