#include "panels/PanelWindowFixture.h"
#include "panels/saver/Tsaverform.h"

#include <QCheckBox>
#include <QLineEdit>
#include <filesystem>

namespace {

class Saverform : public PanelWindowFixture<Tsaverform> {
protected:
    Saverform()
        : PanelWindowFixture("BitBtn3", &TWindowSet::saverform)
    {
    }

    QListView* list() { return panel().listBox("list"); }
    QString next() { return panel().edit("next")->text(); }
    std::string row(int at) { return list()->model()->index(at, 0).data().toString().toStdString(); }
    void clickRow(int at) { PanelWindowFixture::clickRow(list(), at); }
    std::string systemIni() { return folder.read("machine/c/WINDOWS/system.ini"); }
};

} // namespace

TEST_F(Saverform, StartsEmptyEnabledInOrderWithItsControlsInFocusOrder)
{
    EXPECT_EQ(panel().windowTitle(), "Dozarn Control Panel");
    EXPECT_EQ(panel().size(), QSize(425, 237));
    EXPECT_EQ(list()->geometry(), QRect(12, 36, 289, 105));
    EXPECT_EQ(panel().button("BitBtn4")->toolTip(), "Preview Screen Saver");
    EXPECT_EQ(list()->model()->rowCount(), 0);
    EXPECT_TRUE(panel().checkBox("enable")->isChecked());
    EXPECT_FALSE(panel().checkBox("ran")->isChecked());
    EXPECT_EQ(next(), "1");

    EXPECT_EQ(focusOrder(list(), [](Qt::FocusPolicy policy) { return (policy & Qt::TabFocus) != 0; }),
        (Names { "list", "BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4", "BitBtn5", "BitBtn6", "BitBtn7", "BitBtn8",
            "enable", "ran", "BitBtn9" }));
    EXPECT_TRUE(shown.empty()) << shown.front();
}

TEST_F(Saverform, TheButtonsEditTheListAndTheDoubleClickChoosesNext)
{
    chosen = { "/s/a.scr", "/s/b.scr", "/s/c.scr" };
    panel().button("BitBtn1")->click();
    EXPECT_EQ(requests, Names { "ScreenSaver Files|*.scr" });
    ASSERT_EQ(list()->model()->rowCount(), 3);
    EXPECT_EQ(row(0), "/s/c.scr");

    chosen = { "/s/x.scr" };
    panel().button("BitBtn2")->click();
    EXPECT_EQ(list()->model()->rowCount(), 3) << "Insert needs a selected entry";
    clickRow(1);
    panel().button("BitBtn2")->click();
    EXPECT_EQ(row(1), "/s/x.scr");
    EXPECT_EQ(list()->selectionModel()->selectedRows().front().row(), 2) << "the selection moves down with it";

    QRect place = list()->visualRect(list()->model()->index(3, 0));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, place.center());
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, place.center());
    EXPECT_EQ(next(), "4");

    panel().button("BitBtn3")->click();
    EXPECT_EQ(list()->model()->rowCount(), 3);
    EXPECT_EQ(next(), "3");
    EXPECT_TRUE(shown.empty()) << shown.front();
}

TEST_F(Saverform, SaveAndExitPutsTheScreenSaverIntoTheMachineAndReturns)
{
    folder.write("machine/c/WINDOWS/system.ini", "[386Enh]\nwoafont=dosapp.fon\n[boot]\nshell=Explorer.exe");
    chosen = { "/home/u/My Savers/Mystify.SCR" };
    panel().button("BitBtn1")->click();
    panel().checkBox("ran")->click();
    panel().button("BitBtn6")->click();
    EXPECT_TRUE(shown.empty()) << shown.front();
    EXPECT_FALSE(panel().isVisible());
    EXPECT_TRUE(windows->themainform().isVisible());

    EXPECT_EQ(folder.read("dozarn.dat"), "/home/u/My Savers/Mystify.SCR\r\n");
    EXPECT_EQ(folder.read("dozarn.cfg"), "tr\r\n1\r\n");
    EXPECT_EQ(systemIni(),
        "[386Enh]\r\nwoafont=dosapp.fon\r\n[boot]\r\nSCRNSAVE.EXE=/home/u/My Savers/Mystify.SCR\r\n"
        "shell=Explorer.exe\r\n");
    EXPECT_NE(folder.read("machine/registry.reg").find("\"ScreenSaveActive\"=\"1\""), std::string::npos);
}

TEST_F(Saverform, AFailedSaveIsReportedAndThePanelStaysOpen)
{
    chosen = { "C:\\A.SCR" };
    panel().button("BitBtn1")->click();
    std::filesystem::remove(folder.file("machine/c/WINDOWS/system.ini"));
    panel().button("BitBtn6")->click();
    EXPECT_EQ(shown, Names { "Cannot open file " + folder.file("machine/c/WINDOWS/system.ini") + "." });
    EXPECT_TRUE(panel().isVisible());
    EXPECT_EQ(folder.read("dozarn.cfg"), "t\r\n1\r\n");
}
