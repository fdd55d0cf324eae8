#include "win32ui/WindowFactory.h"

#include "win32ui/TPlainForm.h"
#include "win32ui/Tthemainform.h"
#include "win32ui/about/Tbigabout.h"
#include "win32ui/confirm/TCancelConfirmation.h"
#include "win32ui/convert/Tgfx.h"
#include "win32ui/help/THelpWindow.h"
#include "win32ui/panels/logo/Tlogoform.h"
#include "win32ui/panels/logo/Tlogorest.h"
#include "win32ui/panels/saver/Tsaverform.h"
#include "win32ui/panels/sound/Ttonvikform.h"
#include "win32ui/panels/theme/Tthemeform.h"
#include "win32ui/panels/wallpaper/Tmurelloform.h"

#include <functional>
#include <string_view>

namespace {

using Maker = std::function<std::unique_ptr<TSkinnedForm>(TWindowSet&, HWND)>;

template <class Window> Maker make()
{
    return [](TWindowSet& windows, HWND owner) { return std::make_unique<Window>(windows, owner); };
}

struct WindowClass {
    std::string_view name;
    Maker maker;
};

// One line per window class that has its own code.
const WindowClass windowClasses[] = {
    { "Tthemainform", make<Tthemainform>() },
    { "Tgfx", make<Tgfx>() },
    { "Tbigabout", make<Tbigabout>() },
    { "Tmurelloform", make<Tmurelloform>() },
    { "Ttonvikform", make<Ttonvikform>() },
    { "Tsaverform", make<Tsaverform>() },
    { "Tlogoform", make<Tlogoform>() },
    { "Tlogorest", make<Tlogorest>() },
    { "Tthemeform", make<Tthemeform>() },
};

} // namespace

std::unique_ptr<TSkinnedForm> makeWindow(const TWindowGeometry& table, TWindowSet& windows, HWND owner)
{
    for (const WindowClass& windowClass : windowClasses)
        if (windowClass.name == table.name)
            return windowClass.maker(windows, owner);
    if (auto confirmation = makeCancelConfirmation(table, windows, owner))
        return confirmation;
    if (auto help = makeHelpWindow(table, windows, owner))
        return help;
    return std::make_unique<TPlainForm>(table, windows, owner);
}
