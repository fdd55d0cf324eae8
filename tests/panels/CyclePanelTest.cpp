#include "panels/CyclePanel.h"

#include "cycle/Exception.h"
#include "support/MemoryLineFiles.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

using Rows = std::vector<std::size_t>;

// A one-list panel that records the entries it is asked to show; "bad" names fail the module's
// check with an error, as an unreadable logo does.
class RecordingPanel : public CyclePanel {
public:
    explicit RecordingPanel(std::shared_ptr<MemoryLineFiles> files)
        : CyclePanel(
            std::make_shared<CycleModule>(parameters(), "/z/", std::move(files), std::make_shared<ScriptedRandom>()))
    {
    }

    Rows shown;
    int emptied = 0;

private:
    static ModuleParameters parameters()
    {
        ModuleParameters module = singleListModule("z.dat", "z.cfg");
        module.checkFile = [](const std::string& path) -> std::optional<std::string> {
            if (path.starts_with("bad"))
                throw Exception("Cannot open file " + path);
            return std::nullopt;
        };
        return module;
    }

    void showEntry(std::size_t row) override { shown.push_back(row); }
    void showNoEntry() override { ++emptied; }
};

class CyclePanelTest : public ::testing::Test {
protected:
    CyclePanelTest()
    {
        files->files["/z/z.dat"] = { "A", "B", "C" };
        EXPECT_TRUE(panel.load().empty());
    }

    std::shared_ptr<MemoryLineFiles> files = std::make_shared<MemoryLineFiles>();
    RecordingPanel panel { files };
};

} // namespace

TEST_F(CyclePanelTest, TheSelectedEntryIsShownAndActedOn)
{
    panel.select(3);
    EXPECT_EQ(panel.selected(), std::nullopt) << "past the end selects nothing";
    panel.select(1);
    EXPECT_EQ(panel.shown, Rows { 1 });

    panel.chooseNext();
    EXPECT_EQ(panel.controls().next, "2");
    panel.insert({ "X", "Y" });
    EXPECT_EQ(panel.selected(), 3u) << "moved down past the inserted files";
    panel.remove();
    EXPECT_EQ(panel.selected(), std::nullopt);
    EXPECT_EQ(panel.list().size(), 4u);
    EXPECT_EQ(panel.shown, Rows { 1 }) << "only the user's selection is shown";
    EXPECT_EQ(panel.emptied, 1) << "the removed entry is no longer shown";
    panel.remove();
    EXPECT_EQ(panel.emptied, 1) << "nothing removed, nothing to empty";
}

TEST_F(CyclePanelTest, AFailedInsertKeepsTheSelectionOnItsEntryAndLoadingDropsIt)
{
    panel.select(1);
    // Chosen files land in reverse, so "X" goes in before "bad" stops the rest.
    EXPECT_THROW(panel.insert({ "bad", "X" }), Exception);
    ASSERT_EQ(panel.list().size(), 4u);
    EXPECT_EQ(panel.selected(), 2u);
    EXPECT_EQ(std::string(panel.list().at(2)), "B");

    EXPECT_TRUE(panel.load().empty());
    EXPECT_EQ(panel.selected(), std::nullopt);
}
