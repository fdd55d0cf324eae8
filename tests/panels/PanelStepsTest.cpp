#include "panels/PanelSteps.h"

#include "cycle/Exception.h"
#include "support/FailureOf.h"
#include "support/MemoryLineFiles.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

using Log = std::vector<std::string>;

// A one-list panel whose entry "bad" can't be shown, as a damaged bitmap.
class FailingPanel : public CyclePanel {
public:
    explicit FailingPanel(std::shared_ptr<MemoryLineFiles> files)
        : CyclePanel(std::make_shared<CycleModule>(
            singleListModule("z.dat", "z.cfg"), "/z/", std::move(files), std::make_shared<ScriptedRandom>()))
    {
    }

private:
    void showEntry(std::size_t row) override
    {
        if (list().at(row) == "bad")
            throw Exception("Bitmap image is not valid");
    }
};

// Records what the steps ask of the window, and whether the model was changing at each.
class RecordingScreen : public PanelScreen {
public:
    void showSelection() override { log.push_back(steps->changing() ? "selection while changing" : "selection"); }
    void showSwitches() override { log.push_back("switches"); }
    void showEntry() override { log.push_back("entry"); }
    std::vector<std::string> reloadModel(bool onlyWhenChanged) override
    {
        log.push_back(onlyWhenChanged ? "refresh" : "load");
        return messages;
    }
    void returnToControlCenter() override { log.push_back("control center"); }
    void report(const std::string& message) override { log.push_back("report " + message); }
    void saved() override { log.push_back("saved"); }

    PanelSteps* steps = nullptr;
    Log log;
    std::vector<std::string> messages;
};

class PanelStepsTest : public ::testing::Test {
protected:
    PanelStepsTest()
    {
        files->files["/z/z.dat"] = { "good", "bad" };
        files->files["/z/z.cfg"] = { "t", "1" };
        EXPECT_TRUE(panel.load().empty());
        screen.steps = &steps;
    }
    Log taken() { return std::exchange(screen.log, {}); }

    std::shared_ptr<MemoryLineFiles> files = std::make_shared<MemoryLineFiles>();
    FailingPanel panel { files };
    RecordingScreen screen;
    PanelSteps steps { screen };
};

} // namespace

TEST_F(PanelStepsTest, AnEntryThatCantBeShownLeavesTheSwitchesAsTheyWere)
{
    steps.select(panel, 0);
    EXPECT_EQ(taken(), (Log { "entry", "switches" }));
    EXPECT_EQ(failureOf([&] { steps.select(panel, 1); }), "Bitmap image is not valid");
    EXPECT_EQ(taken(), (Log { "entry" }));
    EXPECT_EQ(panel.selected(), 1u);

    steps.remove(panel);
    EXPECT_EQ(taken(), (Log { "selection while changing", "switches", "entry" }))
        << "the list shows again before the entry";
    EXPECT_FALSE(steps.changing());
}

TEST_F(PanelStepsTest, OnlyASaveThatWentThroughReturnsToTheControlCenter)
{
    files->uncreatable.insert("/z/z.dat");
    EXPECT_EQ(failureOf([&] { steps.save(*panel.sharedCycle()); }), "Cannot create file /z/z.dat");
    EXPECT_EQ(taken(), (Log { "selection while changing", "switches" })) << "the panel stays open, showing the model";
    EXPECT_FALSE(steps.changing()) << "a failed change ends too";

    files->uncreatable.clear();
    steps.save(*panel.sharedCycle());
    EXPECT_EQ(taken(), (Log { "selection while changing", "switches", "control center", "saved" }));
}

TEST_F(PanelStepsTest, OpeningReadsChangedFilesAndLeavingReadsThemAllReportingEachFailure)
{
    screen.messages = { "Cannot open file /z/z.dat", "Cannot open file /z/z.cfg" };
    steps.open();
    EXPECT_EQ(taken(),
        (Log { "refresh", "selection while changing", "switches", "report Cannot open file /z/z.dat",
            "report Cannot open file /z/z.cfg" }));
    steps.leave();
    EXPECT_EQ(taken(),
        (Log { "load", "selection while changing", "switches", "report Cannot open file /z/z.dat",
            "report Cannot open file /z/z.cfg", "control center" }));
}
