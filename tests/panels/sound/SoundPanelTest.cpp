#include "panels/sound/SoundPanel.h"

#include "ScriptedSound.h"
#include "cycle/CycleModule.h"
#include "panels/sound/TMediaPlayer.h"
#include "support/MemoryLineFiles.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

class SoundPanelTest : public ::testing::Test {
protected:
    SoundPanelTest()
    {
        files->files["/z/tonvikst.dat"] = { "s1.wav", "s2.wav", "s3.wav" };
        files->files["/z/tonvikxt.dat"] = { "x1.wav", "", "x3.wav" };
        files->files["/z/tonvik.cfg"] = { "t", "3", "t", "3" };
        EXPECT_TRUE(module.load().empty());
    }
    const CycleList& list(SoundList which) { return panel.cycle().list(which); }

    std::shared_ptr<MemoryLineFiles> files = std::make_shared<MemoryLineFiles>();
    CycleModule module { soundModule(), "/z/", files };
    scripted::Script script;
    SoundPanel panel { module, std::make_unique<TMediaPlayer>(std::make_shared<scripted::ScriptedBackEnd>(script)) };
};

} // namespace

TEST_F(SoundPanelTest, ExactlyOneEditBoxIsTicked)
{
    EXPECT_EQ(panel.editTarget(), StartupSounds);
    panel.clickEditBox(StartupSounds, false);
    EXPECT_EQ(panel.editTarget(), ShutdownSounds);
    panel.clickEditBox(ShutdownSounds, false);
    EXPECT_EQ(panel.editTarget(), StartupSounds);
    panel.clickEditBox(ShutdownSounds, true);
    EXPECT_EQ(panel.editTarget(), ShutdownSounds);
    panel.clickEditBox(StartupSounds, true);
    EXPECT_EQ(panel.editTarget(), StartupSounds);
}

TEST_F(SoundPanelTest, ASelectedEntryIsOpenedAndItsListBecomesTheTargetOnlyWhenItOpens)
{
    panel.select(ShutdownSounds, 0);
    EXPECT_EQ(panel.editTarget(), ShutdownSounds);
    panel.add({ "A", "B" });
    EXPECT_EQ(list(ShutdownSounds).entries(), (LineList { "x1.wav", "", "x3.wav", "B", "A" }));

    script.refusal = "s2.wav";
    EXPECT_THROW(panel.select(StartupSounds, 1), EMCIDeviceError);
    EXPECT_EQ(panel.editTarget(), ShutdownSounds);
    EXPECT_FALSE(panel.player().opened()) << "the old sound closed before the failed open";

    panel.select(StartupSounds, 0);
    panel.select(ShutdownSounds, 1);
    EXPECT_EQ(panel.editTarget(), ShutdownSounds) << "an empty entry still switches the target";
    EXPECT_EQ(script.log, (Log { "open x1.wav", "close x1.wav", "open s1.wav" }))
        << "and keeps the sound that was open";
}

TEST_F(SoundPanelTest, InsertUsesTheTargetsSelectionOrAppendsWhenOnlyTheOtherListHasOne)
{
    panel.insert({ "A" });
    EXPECT_EQ(list(StartupSounds).size(), 3u) << "no selection anywhere";

    panel.select(ShutdownSounds, 2);
    panel.clickEditBox(StartupSounds, true);
    panel.insert({ "A", "B" });
    EXPECT_EQ(list(StartupSounds).entries(), (LineList { "s1.wav", "s2.wav", "s3.wav", "B", "A" }));

    panel.select(StartupSounds, 1);
    panel.insert({ "C", "D" });
    EXPECT_EQ(list(StartupSounds).entries(), (LineList { "s1.wav", "D", "C", "s2.wav", "s3.wav", "B", "A" }));
    EXPECT_EQ(panel.selected(StartupSounds), 3u) << "the selected entry moved down and stays selected";
    EXPECT_EQ(list(ShutdownSounds).size(), 3u);
}

TEST_F(SoundPanelTest, RemoveLeavesTheNextFieldsAndDoubleClickSetsThem)
{
    panel.select(ShutdownSounds, 2);
    panel.remove();
    EXPECT_EQ(list(ShutdownSounds).entries(), (LineList { "x1.wav", "" }));
    EXPECT_FALSE(panel.selected(ShutdownSounds));
    panel.remove();
    EXPECT_EQ(list(ShutdownSounds).size(), 2u) << "nothing selected, nothing removed";
    EXPECT_EQ(panel.cycle().controls(ShutdownSounds).next, "3");
    EXPECT_TRUE(panel.player().opened()) << "the removed entry's sound stays open";

    panel.select(StartupSounds, 1);
    panel.chooseNext(StartupSounds);
    panel.chooseNext(ShutdownSounds);
    EXPECT_EQ(panel.cycle().controls(StartupSounds).next, "2");
    EXPECT_EQ(panel.cycle().controls(ShutdownSounds).next, "3") << "no selected entry";
}
