// Prints every window's geometry table and the panels' and converter's wiring for the GUI test
// script, so that it checks against the tables themselves and presses the controls the windows
// wire. Lines: "window CLASS LEFT TOP WIDTH HEIGHT FRAME CAPTION" (FRAME: skinned, dialog, tool
// or sizeable); "control CLASS NAME X Y W H"; "wired CLASS WHAT NAME" (the control or window the
// wiring names for WHAT; for the Control Center, WHAT is a panel and NAME the button opening it).
#include "convert/TgfxWiring.h"
#include "panels/logo/TlogoformWiring.h"
#include "panels/saver/TsaverformWiring.h"
#include "panels/sound/TtonvikformWiring.h"
#include "panels/theme/TthemeformWiring.h"
#include "panels/wallpaper/TmurelloformWiring.h"
#include "resources/WindowTables.h"
#include "shell/TthemainformWiring.h"
#include "shell/confirm/CancelWiring.h"

#include <cstdio>
#include <string_view>

namespace {

const char* frameName(TFrame frame)
{
    switch (frame) {
    case TFrame::Skinned:
        return "skinned";
    case TFrame::Dialog:
        return "dialog";
    case TFrame::ToolWindow:
        return "tool";
    case TFrame::ToolWindowSizeable:
        return "sizeable";
    }
    return "?";
}

void wired(const char* window, const char* what, const char* name)
{
    std::printf("wired %s %s %s\n", window, what, name);
}

void panel(const char* window, const PanelVerbs& verbs, const EditButtons& edits)
{
    wired(window, "save", verbs.save);
    wired(window, "help", verbs.help);
    wired(window, "cancelWindow", verbs.cancelWindow);
    wired(window, "helpWindow", verbs.helpWindow);
    wired(window, "add", edits.add);
}

} // namespace

int main()
{
    for (const TWindowGeometry* window : windowTables) {
        std::printf("window %s %d %d %d %d %s %s\n", window->name, window->left, window->top, window->width,
            window->height, frameName(window->frame), window->caption);
        for (const TControlGeometry& control : window->controls)
            if (!std::string_view(control.name).empty())
                std::printf("control %s %s %d %d %d %d\n", window->name, control.name, control.x, control.y, control.w,
                    control.h);
    }
    for (const TthemainformWiring::ModuleButton& module : TthemainformWiring::modules)
        wired("Tthemainform", module.panel, module.button);
    for (const TCancelWiring& confirmation : cancelWirings)
        wired(confirmation.table.name, "yes", confirmation.yes);
    panel("Tmurelloform", TmurelloformWiring::verbs, TmurelloformWiring::edits);
    panel("Ttonvikform", TtonvikformWiring::verbs, TtonvikformWiring::edits);
    panel("Tsaverform", TsaverformWiring::verbs, TsaverformWiring::edits);
    panel("Tlogoform", TlogoformWiring::verbs, TlogoformWiring::edits);
    panel("Tthemeform", TthemeformWiring::verbs, TthemeformWiring::edits);
    wired("Tmurelloform", "converter", TmurelloformWiring::converter);
    wired("Tgfx", "load", TgfxWiring::load);
    wired("Tgfx", "save", TgfxWiring::save);
}
