#include "WindowSetFixture.h"
#include "panels/logo/Tlogoform.h"
#include "panels/saver/Tsaverform.h"
#include "panels/sound/Ttonvikform.h"
#include "panels/theme/Tthemeform.h"
#include "panels/wallpaper/Tmurelloform.h"
#include "shell/TWindowSet.h"
#include "shell/Tthemainform.h"
#include "shell/confirm/Tcancelform.h"
#include "shell/confirm/Tcancelform2.h"
#include "shell/confirm/Tcancelform3.h"
#include "shell/confirm/Tcancelform4.h"
#include "shell/confirm/Tcancelform5.h"
#include "shell/skin/TBitmapButton.h"
#include "shell/skin/TErrorBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// One panel and its confirmation, with the names of the controls the user presses.
struct Case {
    const char* moduleButton; // on the Control Center
    TSkinnedForm* panel;
    const char* cancelButton; // on the panel
    const char* aSwitch; // a check box whose state must survive leaving
    TSkinnedForm* confirmation;
    const char* yes;
    const char* no;
};

class CancelConfirmation : public WindowSetFixture {
protected:
    std::vector<Case> cases() const
    {
        return {
            { "BitBtn1", &windows.murelloform(), "BitBtn8", "ran", &windows.cancelform(), "paperyes", "paperno" },
            { "BitBtn2", &windows.tonvikform(), "BitBtn5", "inran", &windows.cancelform2(), "BitBtn1", "BitBtn2" },
            { "BitBtn3", &windows.saverform(), "BitBtn7", "ran", &windows.cancelform3(), "BitBtn1", "BitBtn2" },
            { "BitBtn4", &windows.logoform(), "BitBtn6", "ran", &windows.cancelform4(), "BitBtn1", "BitBtn2" },
            { "BitBtn5", &windows.themeform(), "BitBtn5", "ran", &windows.cancelform5(), "BitBtn1", "BitBtn2" },
        };
    }

    void openPanelAndCancel(const Case& c)
    {
        windows.themainform().button(c.moduleButton)->click();
        c.panel->button(c.cancelButton)->click();
    }
};

} // namespace

TEST_F(CancelConfirmation, YesLeavesThePanelReadAgainFromItsFiles)
{
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.confirmation->table().name);
        windows.themainform().button(c.moduleButton)->click();
        c.panel->checkBox(c.aSwitch)->click();
        c.panel->button(c.cancelButton)->click();
        EXPECT_EQ(visibleWindows(), (Names { c.panel->table().name, c.confirmation->table().name }));

        c.confirmation->button(c.yes)->click();
        EXPECT_EQ(visibleWindows(), Names { "Tthemainform" });

        windows.themainform().button(c.moduleButton)->click();
        EXPECT_EQ(visibleWindows(), Names { c.panel->table().name });
        EXPECT_FALSE(c.panel->checkBox(c.aSwitch)->isChecked()) << "the edit is dropped";
        windows.returnToControlCenter(*c.panel);
    }
}

TEST_F(CancelConfirmation, NoEnterAndEscHideOnlyTheConfirmation)
{
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.confirmation->table().name);
        openPanelAndCancel(c);
        c.confirmation->button(c.no)->click();
        EXPECT_EQ(visibleWindows(), Names { c.panel->table().name });

        for (auto key : { Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter }) {
            c.panel->button(c.cancelButton)->click();
            QApplication::processEvents(); // the confirmation becomes the active window
            // Enter answers No even when Yes has the focus.
            c.confirmation->button(c.yes)->setFocus();
            QTest::keyClick(c.confirmation, key);
            EXPECT_EQ(visibleWindows(), Names { c.panel->table().name }) << key;
        }
        windows.returnToControlCenter(*c.panel);
    }
}

TEST_F(CancelConfirmation, ASecondCancelBringsTheSameConfirmationForwardWhereItWasLeft)
{
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.confirmation->table().name);
        openPanelAndCancel(c);
        c.confirmation->move(c.confirmation->pos() + QPoint(30, -20));
        QPoint dragged = c.confirmation->pos();
        QApplication::setActiveWindow(c.panel);

        c.panel->button(c.cancelButton)->click();
        QApplication::processEvents();
        EXPECT_EQ(QApplication::activeWindow(), c.confirmation);
        EXPECT_EQ(c.confirmation->pos(), dragged);
        EXPECT_EQ(visibleWindows(), (Names { c.panel->table().name, c.confirmation->table().name }));

        c.confirmation->button(c.no)->click();
        windows.returnToControlCenter(*c.panel);
    }
}

TEST_F(CancelConfirmation, ThePanelStaysUsableWhileItAsks)
{
    Tthemeform& panel = windows.themeform();
    openPanelAndCancel(cases().back());
    EXPECT_FALSE(windows.cancelform5().isModal());
    QTest::mouseClick(panel.checkBox("ran"), Qt::LeftButton);
    EXPECT_TRUE(panel.checkBox("ran")->isChecked());

    // The panel left by its own close box while the question is open; a late Yes still ends at
    // the Control Center alone.
    panel.close();
    EXPECT_EQ(visibleWindows(), (Names { "Tthemainform", "Tcancelform5" }));
    windows.cancelform5().BitBtn1Click();
    EXPECT_EQ(visibleWindows(), Names { "Tthemainform" });
}
