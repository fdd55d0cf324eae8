#include "WaveFiles.h"
#include "panels/PanelWindowFixture.h"
#include "panels/sound/Ttonvikform.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

// Sounds play on SDL's silent "dummy" driver.
class Tonvikform : public PanelWindowFixture<Ttonvikform> {
protected:
    Tonvikform()
        : PanelWindowFixture("BitBtn2", &TWindowSet::tonvikform)
    {
    }

    QListView* list(const char* name) { return panel().listBox(name); }
    bool ticked(const char* name) { return panel().checkBox(name)->isChecked(); }
    std::string wave(const std::string& name)
    {
        folder.write(name, wavefiles::wave(1, 1, 8000, 16, wavefiles::ramp16(8000)));
        return folder.file(name);
    }
    void clickRow(const char* name, int row) { PanelWindowFixture::clickRow(list(name), row); }
    void doubleClickRow(const char* name, int row) { PanelWindowFixture::doubleClickRow(list(name), row); }
};

} // namespace

TEST_F(Tonvikform, ControlsTakeTheFocusInTheTablesOrderAndThePlayerStartsEmpty)
{
    EXPECT_EQ(focusOrder(list("inlist")),
        (Names { "inlist", "outlist", "BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4", "BitBtn5", "BitBtn6", "inedit",
            "inenable", "inran", "outedit", "outenable", "outran", "BitBtn8", "BitBtn9", "BitBtn10", "BitBtn7" }));

    panel().button("BitBtn8")->click();
    EXPECT_EQ(shown, Names { "No MCI device open." });
    panel().checkBox("inedit")->click();
    EXPECT_TRUE(ticked("outedit"));
    panel().checkBox("outedit")->click();
    EXPECT_TRUE(ticked("inedit"));
    EXPECT_FALSE(ticked("outedit"));
}

TEST_F(Tonvikform, BothListsAreBuiltListenedToAndSavedIntoTheSoundEvents)
{
    std::string start = wave("start.wav"), exit1 = wave("exit1.wav"), exit2 = wave("exit2.wav");
    chosen = { start };
    panel().button("BitBtn1")->click();
    EXPECT_EQ(requests, Names { "Wav Sound Files|*.wav" });
    panel().checkBox("outedit")->click();
    chosen = { exit1, exit2 };
    panel().button("BitBtn1")->click();
    ASSERT_EQ(list("outlist")->model()->rowCount(), 2);

    clickRow("inlist", 0);
    EXPECT_TRUE(ticked("inedit"));
    panel().button("BitBtn8")->click();
    EXPECT_EQ(panel().panel().player().mode(), SoundDevice::Mode::Playing);
    panel().button("BitBtn9")->click();
    EXPECT_EQ(panel().panel().player().mode(), SoundDevice::Mode::Paused);
    panel().button("BitBtn10")->click();
    EXPECT_EQ(panel().panel().player().mode(), SoundDevice::Mode::Stopped);

    doubleClickRow("outlist", 0);
    EXPECT_TRUE(ticked("outedit"));
    EXPECT_EQ(panel().edit("outnext")->text(), "1");
    panel().checkBox("outran")->click();
    panel().button("BitBtn4")->click();
    EXPECT_TRUE(shown.empty()) << shown.front();
    EXPECT_FALSE(panel().isVisible());
    EXPECT_TRUE(windows->themainform().isVisible());

    EXPECT_EQ(folder.read("tonvikst.dat"), start + "\r\n");
    EXPECT_EQ(folder.read("tonvikxt.dat"), exit2 + "\r\n" + exit1 + "\r\n");
    EXPECT_EQ(folder.read("tonvik.cfg"), "t\r\n1\r\ntr\r\n2\r\n");
    std::string registry = folder.read("machine/registry.reg");
    EXPECT_NE(registry.find("SystemStart\\.Current]\r\n@=\"" + start + "\""), std::string::npos) << registry;
    EXPECT_NE(registry.find("SystemExit\\.Current]\r\n@=\"" + exit2 + "\""), std::string::npos) << registry;
}

TEST_F(Tonvikform, AWaveThatCannotBeOpenedIsReportedAndKeepsTheEditTarget)
{
    chosen = { folder.file("missing.wav") };
    panel().checkBox("outedit")->click();
    panel().button("BitBtn1")->click();
    panel().checkBox("inedit")->click();
    clickRow("outlist", 0);
    EXPECT_EQ(shown, Names { "Couldn't open " + folder.file("missing.wav") + ": No such file or directory." });
    EXPECT_TRUE(ticked("inedit"));
    EXPECT_FALSE(ticked("outedit"));
}
