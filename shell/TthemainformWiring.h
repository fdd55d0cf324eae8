#pragma once

// What the Control Center's controls do, read by the Qt and the Win32 window alike.
namespace TthemainformWiring {

struct ModuleButton {
    const char* button;
    const char* panel; // the window class it opens in place of the Control Center
};
inline constexpr ModuleButton modules[] {
    { "BitBtn1", "Tmurelloform" },
    { "BitBtn2", "Ttonvikform" },
    { "BitBtn3", "Tsaverform" },
    { "BitBtn4", "Tlogoform" },
    { "BitBtn5", "Tthemeform" },
};
inline constexpr const char* minimise = "BitBtn6";
inline constexpr const char* close = "BitBtn7";
// Movement over the logo lights it; the lit logo opens the about window.
inline constexpr const char* logo = "logoabout";
inline constexpr const char* litLogo = "logoabout2";
inline constexpr const char* background = "background";
inline constexpr const char* about = "Tbigabout";

// Connects the controls to the handlers of a Control Center of either layer.
template <class Center> void connect(Center& center)
{
    for (const ModuleButton& module : modules)
        center.onClick(module.button, [&center, panel = module.panel] { center.openPanel(panel); });
    center.onClick(minimise, [&center] { center.BitBtn6Click(); });
    center.onClick(close, [&center] { center.BitBtn7Click(); });
    center.onMouseMove(logo, [&center] { center.logoaboutMouseMove(); });
    center.onMouseMove(background, [&center] { center.backgroundMouseMove(); });
    center.onClick(litLogo, [&center] { center.logoabout2Click(); });
    center.onSystemClose([&center] { center.BitBtn7Click(); });
}

} // namespace TthemainformWiring
