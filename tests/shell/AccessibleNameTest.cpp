#include "WindowSetFixture.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QWidget>

namespace {

class AccessibleNames : public WindowSetFixture {
protected:
    // What assistive technology reads, asked of the widget through Qt's accessibility interface.
    std::string announced(const char* window, const char* control) const
    {
        for (TSkinnedForm* form : windows.all())
            if (std::string_view(form->table().name) == window)
                return announced(form->control(control));
        ADD_FAILURE() << "no window " << window;
        return {};
    }
    static std::string announced(QWidget* widget)
    {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        return face ? face->text(QAccessible::Name).toStdString() : std::string();
    }
};

bool takesInput(TControlKind kind)
{
    switch (kind) {
    case TControlKind::BitmapButton:
    case TControlKind::ListBox:
    case TControlKind::Edit:
    case TControlKind::CheckBox:
    case TControlKind::Memo:
    case TControlKind::PushButton:
        return true;
    default:
        return false;
    }
}

} // namespace

TEST_F(AccessibleNames, EveryControlOfEveryWindowHasAName)
{
    for (TSkinnedForm* window : windows.all())
        for (const TControlGeometry& control : window->table().controls) {
            if (!takesInput(control.kind))
                continue;
            EXPECT_NE(announced(window->control(control.name)), "") << window->table().name << "." << control.name;
        }
}

TEST_F(AccessibleNames, HintsPlainWordsAndPaintedLabelsNameTheControls)
{
    struct Case {
        const char* window;
        const char* control;
        const char* name;
    };
    const Case cases[] = {
        // Hints.
        { "Tmurelloform", "BitBtn1", "Add Bitmap(s)" },
        { "Tmurelloform", "BitBtn7", "Save and Exit" },
        { "Ttonvikform", "BitBtn9", "Pause/Resume" },
        // The module buttons by their module.
        { "Tthemainform", "BitBtn2", "Tonvik" },
        { "Tthemainform", "BitBtn5", "Ambrel" },
        // Buttons without a hint.
        { "Tthemainform", "BitBtn6", "Minimise" },
        { "Tthemainform", "BitBtn7", "Close" },
        { "Tmurelloform", "BitBtn11", "Close" },
        { "Tcancelform3", "BitBtn1", "Yes" },
        { "Tcancelform3", "BitBtn2", "No" },
        { "Tbigabout", "quitbut", "Quit" },
        // Check boxes by their painted words, without the mnemonic.
        { "Tmurelloform", "tile", "Tile selected bitmap" },
        { "Ttonvikform", "outenable", "Enable Shutdown Sounds" },
        // Namesakes by the list they belong to.
        { "Ttonvikform", "inran", "Random cycling of start-up sounds" },
        { "Ttonvikform", "outran", "Random cycling of shutdown sounds" },
        // Lists by the words above them, fields by the words before them; notes are passed over.
        { "Tmurelloform", "List", "List of bitmap images to be cycled as wallpaper" },
        { "Tmurelloform", "next", "Next Image" },
        { "Tmurelloform", "picheight", "Height" },
        { "Ttonvikform", "outlist", "Windows Shutdown Sound List" },
        { "Ttonvikform", "innext", "Next Startup Sound" },
        { "Tsaverform", "next", "Next Screen Saver" },
        { "Tlogoform", "dimensions", "Actual Dimensions" },
        { "Tgfx", "thefile", "Current Open Filename" },
        // Text without painted words is the window's text.
        { "Thelp2", "Memo1", "Help / About for Murello Control Panel" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(announced(c.window, c.control), c.name) << c.window << "." << c.control;
}
