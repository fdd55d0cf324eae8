// Prints every window's geometry table for the GUI test script: one line per window
// ("window CLASS LEFT TOP WIDTH HEIGHT FRAME CAPTION") and one per named control
// ("control CLASS NAME X Y W H ROLE", ROLE "tick" for a button showing the tick, else "-"), so the
// script checks against the tables themselves.
#include "resources/WindowTables.h"

#include <cstdio>
#include <string_view>

int main()
{
    for (const TWindowGeometry* window : windowTables) {
        std::printf("window %s %d %d %d %d %s %s\n", window->name, window->left, window->top, window->width,
            window->height, window->frame == TFrame::Skinned ? "skinned" : "framed", window->caption);
        for (const TControlGeometry& control : window->controls)
            if (!std::string_view(control.name).empty())
                std::printf("control %s %s %d %d %d %d %s\n", window->name, control.name, control.x, control.y,
                    control.w, control.h, control.glyph == TGlyph::Tick ? "tick" : "-");
    }
}
