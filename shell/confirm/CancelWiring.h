#pragma once

#include "shell/confirm/CancelGeometry.h"

#include <string_view>

// Which panel each Cancel confirmation belongs to and which of its buttons answer, read by the Qt
// and the Win32 confirmations alike.
struct TCancelWiring {
    const TWindowGeometry& table;
    const char* panel; // the window class that Yes leaves
    const char* yes;
    const char* no;
};

inline constexpr TCancelWiring cancelWirings[] {
    { TcancelformGeometry, "Tmurelloform", "paperyes", "paperno" },
    { Tcancelform2Geometry, "Ttonvikform", "BitBtn1", "BitBtn2" },
    { Tcancelform3Geometry, "Tsaverform", "BitBtn1", "BitBtn2" },
    { Tcancelform4Geometry, "Tlogoform", "BitBtn1", "BitBtn2" },
    { Tcancelform5Geometry, "Tthemeform", "BitBtn1", "BitBtn2" },
};

// nullptr for a window that is no Cancel confirmation.
inline const TCancelWiring* findCancelWiring(std::string_view windowClass)
{
    for (const TCancelWiring& wiring : cancelWirings)
        if (windowClass == wiring.table.name)
            return &wiring;
    return nullptr;
}
