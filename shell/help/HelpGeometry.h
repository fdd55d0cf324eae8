#pragma once

#include "shell/skin/TWindowGeometry.h"

inline constexpr TControlGeometry Thelp2Controls[] = {
    skin::memo("Memo1", 0, 0, 393, 273),
    skin::pushButton("Button1", 0, 280, 97, 25, "&OK", 0),
    skin::label("Label1", 200, 280, 191, 20, "Murello Control Panel", TTextStyle::Bold),
};
inline constexpr TControlGeometry ThelpControls[] = {
    skin::memo("Memo1", 0, 0, 393, 233),
    skin::pushButton("Button1", 0, 240, 97, 25, "&OK", 0),
    skin::label("Label1", 200, 240, 196, 20, "Tonvik Control Panel", TTextStyle::Bold),
};
inline constexpr TControlGeometry TsaverhelpControls[] = {
    skin::memo("Memo1", 0, 0, 369, 217),
    skin::pushButton("Button1", 0, 224, 97, 25, "&OK", 0),
    skin::label("Label1", 176, 224, 190, 20, "Dozarn Control Panel", TTextStyle::Bold),
};
inline constexpr TControlGeometry TbriskohelpControls[] = {
    skin::memo("Memo1", 0, 0, 369, 209),
    skin::pushButton("Button1", 0, 216, 97, 25, "&OK", 0),
    skin::label("Label1", 184, 216, 184, 20, "Brisko Control Panel", TTextStyle::Bold),
};
inline constexpr TControlGeometry TthemehelpControls[] = {
    skin::memo("Memo1", 0, 0, 377, 257),
    skin::pushButton("Button1", 0, 264, 97, 25, "&OK", 0),
    skin::label("Label1", 176, 264, 198, 20, "Ambrel Control Panel", TTextStyle::Bold),
};

// The sizeable tool windows are given by their outer size; their client area is a little smaller.
inline constexpr TWindowGeometry Thelp2Geometry { "Thelp2", "Help / About for Murello Control Panel", "", 395, 305, 268,
    145, TScheme::Grey, TFrame::Dialog, Thelp2Controls, "Button1" };
inline constexpr TWindowGeometry ThelpGeometry { "Thelp", "Help / About for Tonvik Control Panel", "", 395, 265, 279,
    126, TScheme::Grey, TFrame::ToolWindow, ThelpControls, "Button1" };
inline constexpr TWindowGeometry TsaverhelpGeometry { "Tsaverhelp", "Help / About for Dozarn Control Panel", "", 370,
    250, 313, 113, TScheme::Grey, TFrame::ToolWindowSizeable, TsaverhelpControls, "Button1" };
inline constexpr TWindowGeometry TbriskohelpGeometry { "Tbriskohelp", "Help / About for Brisko Control Panel", "", 370,
    242, 310, 130, TScheme::Grey, TFrame::ToolWindowSizeable, TbriskohelpControls, "Button1" };
inline constexpr TWindowGeometry TthemehelpGeometry { "Tthemehelp", "Help / About for Ambrel Control Panel", "", 379,
    290, 285, 158, TScheme::Grey, TFrame::ToolWindowSizeable, TthemehelpControls, "Button1" };
