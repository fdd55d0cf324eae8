#include "win32ui/about/Tbigabout.h"

#include "shell/about/TbigaboutGeometry.h"
#include "win32ui/TWindowSet.h"

#include <string>

namespace {

enum Contact { MailContact = 0, WebContact = 1 };

} // namespace

Tbigabout::Tbigabout(TWindowSet& windows, HWND owner)
    : TSkinnedForm(TbigaboutGeometry, owner)
    , windows_(windows)
{
    setPlain("Memo1");
    setFont("Memo1", L"Arial", 13, false, false);
    std::string text;
    for (const char* line : about::creditLines)
        text += centred("Memo1", line) + "\n";
    text.pop_back();
    setText("Memo1", text);

    setPlain("ListBox1");
    setFont("ListBox1", L"Arial", 13, false, true);
    setItemHeight("ListBox1", 16);
    setCentredItems("ListBox1");
    setItems("ListBox1", { about::mailAddress, about::webCaption });
    onSelect("ListBox1", [this](int row) {
        // Opened by the mouse, not by moving through the list with the keys.
        if (GetKeyState(VK_LBUTTON) < 0)
            ListBox1Click(row);
    });

    // From the keyboard an entry is opened by Enter or Space.
    onEnter("ListBox1", [this](int row) { ListBox1Click(row); });
    onClick("okbut", [this] { okbutClick(); });
    // The Control Center is hidden while this window shows: closing it by the system must not
    // leave the program running with nothing on screen.
    onSystemClose([this] { okbutClick(); });
    onClick("quitbut", [this] { quitbutClick(); });
}

// The shell's answer is not looked at: without a mail program or browser nothing happens. The
// selection goes again, so the same entry can be clicked once more.
void Tbigabout::ListBox1Click(int row)
{
    setSelection("ListBox1", -1);
    if (row == MailContact)
        system_.shellExecute("open", std::string("mailto:") + about::mailAddress);
    else if (row == WebContact)
        system_.shellExecute("open", about::webAddress);
}

void Tbigabout::okbutClick()
{
    windows_.returnToControlCenter(*this);
}

void Tbigabout::quitbutClick()
{
    windows_.endProgram();
}
