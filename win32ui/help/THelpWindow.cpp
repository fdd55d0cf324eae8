#include "win32ui/help/THelpWindow.h"

#include "shell/help/HelpGeometry.h"
#include "win32ui/skin/TSkinResources.h"

#include <string_view>

namespace {

const TWindowGeometry* const helpTables[]
    = { &Thelp2Geometry, &ThelpGeometry, &TsaverhelpGeometry, &TbriskohelpGeometry, &TthemehelpGeometry };

} // namespace

THelpWindow::THelpWindow(const TWindowGeometry& table, HWND owner)
    : TSkinnedForm(table, owner)
{
    // The wallpaper's and the sound's help carry an icon of their own.
    std::string_view name = table.name;
    if (name == "Thelp2" || name == "Thelp")
        setIcon("help");
    std::string text = loadSkinText("help/" + std::string(name) + ".txt");
    // The file ends its last line like every other; that makes no extra empty line.
    if (text.ends_with('\n'))
        text.pop_back();
    setTextUtf8("Memo1", text);
    onClick("Button1", [this] { Button1Click(); });
}

void THelpWindow::Button1Click()
{
    hideWindow();
}

void THelpWindow::shown()
{
    setFocus("Button1");
}

std::unique_ptr<TSkinnedForm> makeHelpWindow(const TWindowGeometry& table, TWindowSet&, HWND owner)
{
    for (const TWindowGeometry* help : helpTables)
        if (std::string_view(help->name) == table.name)
            return std::make_unique<THelpWindow>(*help, owner);
    return nullptr;
}
