#include "WindowSetFixture.h"
#include "panels/logo/Tlogoform.h"
#include "panels/saver/Tsaverform.h"
#include "panels/sound/Ttonvikform.h"
#include "panels/theme/Tthemeform.h"
#include "panels/wallpaper/Tmurelloform.h"
#include "shell/TWindowSet.h"
#include "shell/Tthemainform.h"
#include "shell/confirm/Tcancelform.h"
#include "shell/confirm/Tcancelform3.h"
#include "shell/skin/TBitmapButton.h"
#include "shell/skin/TErrorBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class WindowSet : public WindowSetFixture {
protected:
    void SetUp() override
    {
        TErrorBox::setTestHook([this](const std::string& text) { shown.push_back(text); });
        windows.setEndProgram([this] { ++ended; });
        windows.mainWindow().showWindow();
    }

    std::vector<std::string> shown;
    int ended = 0;
};

} // namespace

TEST_F(WindowSet, CreatesEveryWindowOnceInOrderWithOnlyTheControlCenterShown)
{
    Names order;
    for (TSkinnedForm* window : windows.all())
        order.push_back(window->objectName().toStdString());
    EXPECT_EQ(order,
        (Names { "Tthemainform", "Tmurelloform", "Ttonvikform", "Thelp2", "Thelp", "Tgfx", "Tsaverform", "Tsaverhelp",
            "Tlogoform", "Tbriskohelp", "Tbigabout", "Tlogorest", "Tthemeform", "Tthemehelp", "Tcancelform",
            "Tcancelform2", "Tcancelform3", "Tcancelform4", "Tcancelform5" }));
    EXPECT_EQ(&windows.mainWindow(), static_cast<TSkinnedForm*>(&windows.themainform()));
    EXPECT_EQ(visibleWindows(), Names { "Tthemainform" });
    EXPECT_EQ(windows.themainform().windowTitle(), "Zentrel v2.0 Control Center");
    EXPECT_EQ(windows.themainform().pos(), QPoint(262, 123));
    EXPECT_EQ(windows.themainform().size(), QSize(292, 310));
    EXPECT_EQ(windows.cancelform3().windowTitle(), "Cancel");
    EXPECT_EQ(windows.cancelform3().pos(), QPoint(358, 262));
    EXPECT_TRUE(shown.empty());
}

TEST_F(WindowSet, EachModuleButtonHidesTheControlCenterAndShowsItsPanel)
{
    const std::pair<const char*, TSkinnedForm*> buttons[] = {
        { "BitBtn1", &windows.murelloform() },
        { "BitBtn2", &windows.tonvikform() },
        { "BitBtn3", &windows.saverform() },
        { "BitBtn4", &windows.logoform() },
        { "BitBtn5", &windows.themeform() },
    };
    for (auto [button, panel] : buttons) {
        windows.themainform().button(button)->click();
        EXPECT_EQ(visibleWindows(), Names { panel->table().name }) << button;
        windows.returnToControlCenter(*panel);
        EXPECT_EQ(visibleWindows(), Names { "Tthemainform" }) << button;
    }
}

TEST_F(WindowSet, APanelLeftAndReopenedIsWhereItWasLeftWithItsFilesReadAgain)
{
    Tmurelloform& panel = windows.murelloform();
    windows.themainform().button("BitBtn1")->click();
    panel.checkBox("ran")->click();
    panel.move(400, 300);
    panel.button("BitBtn11")->click();
    EXPECT_EQ(visibleWindows(), Names { "Tthemainform" });

    windows.themainform().button("BitBtn1")->click();
    EXPECT_FALSE(panel.checkBox("ran")->isChecked()) << "the unsaved edit is dropped";
    EXPECT_EQ(panel.pos(), QPoint(400, 300));
}

TEST_F(WindowSet, CancelAsksAndOnlyYesLeavesThePanel)
{
    Tsaverform& panel = windows.saverform();
    windows.themainform().button("BitBtn3")->click();
    panel.button("BitBtn7")->click();
    EXPECT_EQ(visibleWindows(), (Names { "Tsaverform", "Tcancelform3" }));
    windows.cancelform3().button("BitBtn2")->click();
    EXPECT_EQ(visibleWindows(), Names { "Tsaverform" });

    panel.button("BitBtn7")->click();
    panel.button("BitBtn7")->click();
    EXPECT_EQ(visibleWindows(), (Names { "Tsaverform", "Tcancelform3" }));
    windows.cancelform3().button("BitBtn1")->click();
    EXPECT_EQ(visibleWindows(), Names { "Tthemainform" });
}

TEST_F(WindowSet, EscAndEnterInAConfirmationBothAnswerNo)
{
    windows.themainform().button("BitBtn1")->click();
    for (auto key : { Qt::Key_Escape, Qt::Key_Return }) {
        windows.murelloform().button("BitBtn8")->click();
        QApplication::setActiveWindow(&windows.cancelform());
        QTest::keyClick(&windows.cancelform(), key);
        EXPECT_EQ(visibleWindows(), Names { "Tmurelloform" }) << key;
    }
}

TEST_F(WindowSet, ClosingAPanelThroughTheSystemReturnsToTheControlCenter)
{
    windows.themainform().button("BitBtn5")->click();
    windows.themeform().close();
    EXPECT_EQ(visibleWindows(), Names { "Tthemainform" });
    EXPECT_EQ(ended, 0);
}
