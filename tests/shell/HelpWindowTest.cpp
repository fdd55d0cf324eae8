#include "WindowSetFixture.h"
#include "panels/logo/Tlogoform.h"
#include "panels/saver/Tsaverform.h"
#include "panels/sound/Ttonvikform.h"
#include "panels/theme/Tthemeform.h"
#include "panels/wallpaper/Tmurelloform.h"
#include "shell/TWindowSet.h"
#include "shell/Tthemainform.h"
#include "shell/help/Tbriskohelp.h"
#include "shell/help/Thelp.h"
#include "shell/help/Thelp2.h"
#include "shell/help/Tsaverhelp.h"
#include "shell/help/Tthemehelp.h"
#include "shell/skin/TBitmapButton.h"
#include "shell/skin/TErrorBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <gtest/gtest.h>
#include <set>

namespace {

using Lines = std::vector<std::string>;
// A help line with a key: the key, one or two tabs, the description.
std::string keyed(const char* key, int tabs, const char* description)
{
    return std::string(key) + std::string(tabs, '\t') + description;
}

const Lines introduction(const char* first, const char* second)
{
    return { first, second, "", "Instructions:", "" };
}

Lines wallpaperHelp()
{
    Lines lines = introduction("Murello is a wallpaper auto-cycler for Windows 95/98, cycling through your",
        "list of wallpapers (bmp files) and changing it every time Windows is started.");
    Lines keys = {
        keyed("Add", 2, "Select bitmap file(s) to add to list of cycled wallpapers."),
        keyed("Insert", 2, "Same as add, but inserts at currently selected location."),
        keyed("Remove", 2, "Removes the currently selected entry."),
        keyed("Save & Exit", 1, "Saves settings and the list and exits."),
        keyed("Cancel", 2, "Exits without saving changes."),
        keyed("Help", 2, "This window."),
        keyed("Tile All", 2, "Set all bitmaps in list to be tiled."),
        keyed("UnTile All", 2, "Set all bitmaps in list to be untiled."),
        keyed("Tile on/off", 1, "Turn this on to tile the currently selected bitmap."),
        keyed("Next Image", 1, "The next image in the list to be used as wallpaper."),
        keyed("Enable Murello", 1, "Check this for Murello to actually cycle your wallpaper."),
        keyed("Random Cycling", 1, "Check this to cycle through the list randomly."),
        keyed("Preview", 2, "Click on a bitmap in your list to see a small preview."),
        keyed("Width/Height", 1, "The width and height in pixels of the selected bitmap."),
        keyed("Jpg/Gif Convert", 1, "Convert your Jpg/Gif to Bmp format for wallpaper use."),
    };
    lines.insert(lines.end(), keys.begin(), keys.end());
    return lines;
}

Lines soundHelp()
{
    Lines lines = introduction("Tonvik will cycle through your lists of Start sounds and Shutdown sounds",
        "and change them everytime you start or exit Windows 95/98.");
    Lines keys = {
        keyed("Edit Startup/Shutdown Sounds", 1, "Select which list the buttons edit."),
        keyed("Enable Startup/Shutdown Sounds", 1, "Enable respective sound to be cycled."),
        "",
        keyed("Random", 1, "Cycles sound from respective list randomly."),
        keyed("Next", 1, "The next sound in the respective list to be used."),
        keyed("Test", 1, "Press play/pause/stop for currently selected wav file."),
        keyed("Add", 1, "Add wav file(s) to the currently active list."),
        keyed("Insert", 1, "Same as add, but adds at currently selected position."),
        keyed("Remove", 1, "Removes currently selected file in currently active list."),
        keyed("Save", 1, "Save settings and exit."),
        keyed("Cancel", 1, "Exit without saving changes."),
        keyed("Help", 1, "This window."),
    };
    lines.insert(lines.end(), keys.begin(), keys.end());
    return lines;
}

// The three later panels share the first six keys; every key is followed by one tab.
Lines laterPanelHelp(
    Lines lines, const char* added, const char* removed, std::vector<std::pair<const char*, const char*>> rest)
{
    lines.push_back(keyed("Add", 1, added));
    lines.push_back(keyed("Insert", 1, "Same as add, but inserts at currently selected location in list."));
    lines.push_back(keyed("Remove", 1, removed));
    lines.push_back(keyed("Save", 1, "Save settings and list and exit."));
    lines.push_back(keyed("Cancel", 1, "Exit without saving changes."));
    lines.push_back(keyed("Help", 1, "This window."));
    for (auto [key, description] : rest)
        lines.push_back(keyed(key, 1, description));
    return lines;
}

Lines saverHelp()
{
    return laterPanelHelp(introduction("Dozarn will cycle through your list of .SCR files and use them as your",
                              "Windows 95/98 screensaver, changing it every time you start windows."),
        "Add .scr file(s) to your screensaver list.", "Removes currently selected screensaver from list.",
        {
            { "Preview", "Preview / run the currently selected .scr file." },
            { "Options", "Change the options for currently selected .scr file." },
            { "Enable", "Check this for Dozarn to actually change your screensaver." },
            { "Random", "Check this to cycle through your list randomly." },
            { "Next", "Select the next .scr file in the list to be used as your screensaver." },
        });
}

Lines logoHelp()
{
    return laterPanelHelp(introduction("Brisko will cycle through your list of .BMP files and use them as your",
                              "Windows 95/98 startup logo, changing it every time you start windows."),
        "Add .bmp file(s) to your list of logos.", "Removes currently selected bmp from list.",
        {
            { "Restore", "Restores original Windows 95/98 startup logo." },
            { "Enable", "Check this for Brisko to actually change your startup logo." },
            { "Random", "Check this to cycle through your list randomly." },
            { "Next", "Select the next .bmp file in the list to be used as your logo." },
        });
}

Lines themeHelp()
{
    Lines lines = {
        "Ambrel will cycle through your list of .theme files and use them as your",
        "Windows 95/98 Desktop Theme (tm), changing whichever options were",
        "ckecked every time you start windows.  Ambrel takes precedence over",
        "Tonvik, Murello, or Dozarn if you choose to change any of those",
        "items for a given theme (Brisko is not afftected).",
        "Note: Your themes are most likely located in C:\\Program Files\\Plus!\\Themes.",
        "",
        "Instructions:",
        "",
    };
    return laterPanelHelp(lines, "Add .theme file(s) to your list of themes to be cycled.",
        "Removes currently selected theme from list.",
        {
            { "Preview", "Preview/Options for the currently selected .theme file." },
            { "Enable", "Check this for Ambrel to actually change your theme." },
            { "Random", "Check this to cycle through your list randomly." },
            { "Next", "Select the next .theme file in the list to be used as your theme." },
        });
}

// One panel and its help window.
struct Case {
    const char* moduleButton;
    TSkinnedForm* panel;
    const char* helpButton;
    THelpWindow* help;
    Lines text;
    const char* caption;
    const char* label;
    QPoint position;
    bool sizeable;
    int alignedFrom; // the first of the keyed lines whose descriptions line up
};

class HelpWindow : public WindowSetFixture {
protected:
    std::vector<Case> cases() const
    {
        return {
            { "BitBtn1", &windows.murelloform(), "BitBtn9", &windows.help2(), wallpaperHelp(),
                "Help / About for Murello Control Panel", "Murello Control Panel", { 268, 145 }, false, 5 },
            { "BitBtn2", &windows.tonvikform(), "BitBtn6", &windows.help(), soundHelp(),
                "Help / About for Tonvik Control Panel", "Tonvik Control Panel", { 279, 126 }, false, 8 },
            { "BitBtn3", &windows.saverform(), "BitBtn8", &windows.saverhelp(), saverHelp(),
                "Help / About for Dozarn Control Panel", "Dozarn Control Panel", { 313, 113 }, true, 5 },
            { "BitBtn4", &windows.logoform(), "BitBtn7", &windows.briskohelp(), logoHelp(),
                "Help / About for Brisko Control Panel", "Brisko Control Panel", { 310, 130 }, true, 5 },
            { "BitBtn5", &windows.themeform(), "BitBtn6", &windows.themehelp(), themeHelp(),
                "Help / About for Ambrel Control Panel", "Ambrel Control Panel", { 285, 158 }, true, 9 },
        };
    }

    void openHelp(const Case& c)
    {
        windows.themainform().button(c.moduleButton)->click();
        c.panel->button(c.helpButton)->click();
        QApplication::processEvents();
    }
};

Lines memoLines(THelpWindow& help)
{
    Lines lines;
    for (const QString& line : help.memo("Memo1")->toPlainText().split('\n'))
        lines.push_back(line.toStdString());
    return lines;
}

} // namespace

TEST_F(HelpWindow, EachPanelShowsItsOwnTextLineByLineWithItsTabs)
{
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.help->table().name);
        EXPECT_EQ(memoLines(*c.help), c.text);
        EXPECT_EQ(THelpWindow::textLines(c.help->table().name), c.text);
        EXPECT_TRUE(c.help->memo("Memo1")->isReadOnly());
    }
}

TEST_F(HelpWindow, TheDescriptionsLineUpAndNoLineRunsPastTheWindow)
{
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.help->table().name);
        openHelp(c);
        QPlainTextEdit* memo = c.help->memo("Memo1");
        EXPECT_EQ(memo->horizontalScrollBar()->maximum(), 0);
        EXPECT_EQ(memo->verticalScrollBar()->maximum(), 0);

        std::set<int> starts;
        QAbstractTextDocumentLayout* layout = memo->document()->documentLayout();
        for (int i = c.alignedFrom; i < int(c.text.size()); ++i) {
            QTextBlock block = memo->document()->findBlockByNumber(i);
            layout->blockBoundingRect(block);
            int description = block.text().lastIndexOf('\t') + 1;
            starts.insert(qRound(block.layout()->lineAt(0).cursorToX(description)));
        }
        EXPECT_EQ(starts.size(), 1u);
        c.help->hideWindow();
        windows.returnToControlCenter(*c.panel);
    }
}

TEST_F(HelpWindow, EachHelpWindowHasItsCaptionPlaceAndBoldPanelName)
{
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.help->table().name);
        EXPECT_EQ(c.help->windowTitle().toStdString(), c.caption);
        EXPECT_EQ(c.help->pos(), c.position);
        QLabel* label = c.help->image("Label1");
        EXPECT_EQ(label->text().toStdString(), c.label);
        EXPECT_TRUE(label->font().bold());
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
        EXPECT_EQ(c.help->pushButton("Button1")->text(), "&OK");
        EXPECT_FALSE(c.help->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(c.help->minimumSize() != c.help->maximumSize(), c.sizeable);
    }
}

TEST_F(HelpWindow, OkEscAndEnterHideOnlyTheHelpWindow)
{
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.help->table().name);
        openHelp(c);
        EXPECT_EQ(visibleWindows(), (Names { c.panel->table().name, c.help->table().name }));
        EXPECT_EQ(c.help->focusWidget(), c.help->pushButton("Button1"));
        c.help->pushButton("Button1")->click();
        EXPECT_EQ(visibleWindows(), Names { c.panel->table().name });

        for (auto key : { Qt::Key_Escape, Qt::Key_Return }) {
            c.panel->button(c.helpButton)->click();
            QApplication::processEvents();
            QTest::keyClick(QApplication::focusWidget(), key);
            EXPECT_EQ(visibleWindows(), Names { c.panel->table().name }) << key;
        }
        windows.returnToControlCenter(*c.panel);
    }
}

TEST_F(HelpWindow, ThePanelStaysUsableAndTheControlsKeepTheirPlacesWhenResized)
{
    Case c = cases()[2];
    openHelp(c);
    QTest::mouseClick(c.panel->checkBox("ran"), Qt::LeftButton);
    EXPECT_TRUE(c.panel->checkBox("ran")->isChecked());

    QRect button = c.help->pushButton("Button1")->geometry();
    QRect text = c.help->memo("Memo1")->geometry();
    c.help->resize(c.help->width() + 80, c.help->height() + 60);
    EXPECT_EQ(c.help->pushButton("Button1")->geometry(), button);
    EXPECT_EQ(c.help->memo("Memo1")->geometry(), text);
}
