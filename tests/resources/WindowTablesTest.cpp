#include "resources/WindowTables.h"

#include "TBackgroundPainter.h"
#include "TPaintKit.h"

#include <QRect>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

bool isButton(const TControlGeometry& control)
{
    return control.kind == TControlKind::BitmapButton || control.kind == TControlKind::PushButton;
}

const TControlGeometry* find(const TWindowGeometry& window, const std::string& name)
{
    for (const TControlGeometry& control : window.controls)
        if (name == control.name)
            return &control;
    return nullptr;
}

} // namespace

TEST(WindowTables, NamesTabOrdersAndKeyButtonsAreConsistent)
{
    std::set<std::string> windows;
    for (const TWindowGeometry* window : windowTables) {
        SCOPED_TRACE(window->name);
        EXPECT_TRUE(windows.insert(window->name).second);
        std::set<std::string> names;
        std::set<int> tabs;
        for (const TControlGeometry& control : window->controls) {
            if (*control.name) {
                EXPECT_TRUE(names.insert(control.name).second) << control.name;
            }
            if (control.tabOrder >= 0) {
                EXPECT_TRUE(tabs.insert(control.tabOrder).second) << control.name;
            }
        }
        for (const char* key : { window->cancelButton, window->defaultButton }) {
            if (!*key)
                continue;
            const TControlGeometry* button = find(*window, key);
            ASSERT_NE(button, nullptr) << key;
            EXPECT_TRUE(isButton(*button)) << key;
        }
    }
}

TEST(WindowTables, SkinnedWindowsHaveTheirBackgroundDragBarAndButtonsInside)
{
    for (const TWindowGeometry* window : windowTables) {
        if (window->frame != TFrame::Skinned)
            continue;
        SCOPED_TRACE(window->name);
        int backgrounds = 0, bars = 0;
        QRect client(0, 0, window->width, window->height);
        for (const TControlGeometry& control : window->controls) {
            if (control.kind == TControlKind::Background) {
                ++backgrounds;
                EXPECT_EQ(QRect(control.x, control.y, control.w, control.h), client);
            } else if (control.kind == TControlKind::DragBar) {
                ++bars;
                EXPECT_EQ(QPoint(control.x, control.y), QPoint(0, 0));
                EXPECT_GE(control.h, 17);
                EXPECT_LE(control.h, 20);
                EXPECT_LE(std::abs(control.w - window->width), 5);
            } else if (control.kind == TControlKind::BitmapButton) {
                EXPECT_TRUE(client.contains(QRect(control.x, control.y, control.w, control.h))) << control.name;
            }
        }
        EXPECT_EQ(backgrounds, 1);
        EXPECT_EQ(bars, 1);
    }
}

TEST(WindowTables, EveryPaintedLabelFitsItsPlace)
{
    paintkit::loadFonts();
    for (const TWindowGeometry* window : windowTables)
        EXPECT_EQ(clippedWords(*window), std::vector<std::string> {}) << window->name;
}

// The words beside a check box are painted, and may differ from the box's own caption.
TEST(WindowTables, TheSoundPanelPaintsItsSwitchesLabels)
{
    std::vector<std::string> painted;
    for (const TControlGeometry& control : TtonvikformGeometry.controls)
        if (control.kind == TControlKind::CheckBox)
            painted.push_back(paintedWords(control));
    EXPECT_EQ(painted,
        (std::vector<std::string> { "Edit &Startup Sounds", "&Enable Startup Sounds", "Ran&dom Cycling",
            "Edit Shut&down Sounds", "E&nable Shutdown Sounds", "Rando&m Cycling" }));
    EXPECT_STREQ(find(TtonvikformGeometry, "inran")->caption, "Ran&dom cycling");
}
