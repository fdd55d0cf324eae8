#include "panels/logo/LogoPanel.h"

#include "BitmapBytes.h"
#include "RecordingSystem.h"
#include "cycle/TemporaryFolder.h"
#include "support/FailureOf.h"
#include "support/MemoryLineFiles.h"
#include "support/MemoryRegistry.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

// The panel over module files in memory, choosing bitmaps from a folder on disk: "A", "C" and "X"
// pass the format check, "B" (640 x 480) fails it, "M" is missing.
class LogoPanelTest : public ::testing::Test {
protected:
    LogoPanelTest()
    {
        for (const char* name : { "A", "C", "X" })
            folder.write(std::string(name) + ".bmp", bitmapBytes({}));
        folder.write("B.bmp", bitmapBytes({ .width = 640, .height = 480 }));
        folder.write("wide.bmp", bitmapBytes({ .width = 400, .height = 100 }));
        folder.write("text.bmp", "no picture");
    }

    std::string path(const std::string& name) const { return folder.file(name + ".bmp"); }

    LogoPanel& make(const Names& entries, const LineList& settings)
    {
        LineList lines;
        for (const std::string& name : entries)
            lines.push_back(path(name));
        files->files["/z/brisko.dat"] = lines;
        files->files["/z/brisko.cfg"] = settings;
        panel = std::make_unique<LogoPanel>(
            "/z/", std::make_shared<MemoryRegistry>(), std::make_shared<RecordingSystem>(), files);
        EXPECT_TRUE(panel->load().empty());
        panel->setRefusalNotice([this](const std::string& message) { notices.push_back(message); });
        return *panel;
    }

    Names entries() const
    {
        Names names;
        for (std::size_t row = 0; row < panel->list().size(); ++row) {
            std::string entry(panel->list().at(row));
            names.push_back(entry.substr(folder.path().size(), entry.size() - folder.path().size() - 4));
        }
        return names;
    }

    TemporaryFolder folder;
    std::shared_ptr<MemoryLineFiles> files = std::make_shared<MemoryLineFiles>();
    std::unique_ptr<LogoPanel> panel;
    Names notices;
};

} // namespace

TEST_F(LogoPanelTest, AddTakesTheChosenFilesLastFirstAndRefusesEachFailingOneWithItsMessage)
{
    LogoPanel& p = make({}, { "t", "3" });
    p.add({ path("A"), path("B"), "", path("C"), path("wide") });
    EXPECT_EQ(entries(), (Names { "C", "A" }));
    EXPECT_EQ(notices,
        (Names { "Illegal bitmap: " + path("wide") + " must be 320x400 and 256 colors (8 bit).",
            "Illegal bitmap: " + path("B") + " must be 320x400 and 256 colors (8 bit)." }));
    EXPECT_EQ(p.controls().next, "3");
}

TEST_F(LogoPanelTest, EachFileThatPassesIsListedBeforeTheNextRefusalIsShown)
{
    LogoPanel& p = make({ "X" }, { "t", "1" });
    p.select(0);
    std::vector<Names> listedAtNotice;
    p.setRefusalNotice([&](const std::string&) { listedAtNotice.push_back(entries()); });
    p.insert({ path("wide"), path("A"), path("B"), path("C") });
    EXPECT_EQ(listedAtNotice, (std::vector<Names> { { "C", "X" }, { "C", "A", "X" } }));
    EXPECT_EQ(entries(), (Names { "C", "A", "X" }));
    EXPECT_EQ(p.selected(), 2u);
}

TEST_F(LogoPanelTest, AFileThatCantBeLoadedEndsTheChoiceKeepingTheFilesAddedBeforeIt)
{
    LogoPanel& p = make({ "X" }, { "t", "1" });
    EXPECT_EQ(failureOf([&] { p.add({ path("A"), path("text"), path("C") }); }), "Bitmap image is not valid");
    EXPECT_EQ(entries(), (Names { "X", "C" })) << "A, chosen before the bad file, is not examined";

    p.select(0);
    EXPECT_EQ(failureOf([&] { p.insert({ path("A"), path("M"), path("C") }); }), "Cannot open file " + path("M"));
    EXPECT_EQ(entries(), (Names { "C", "X", "C" }));
    EXPECT_EQ(p.selected(), 1u) << "X stays selected";
}

TEST_F(LogoPanelTest, InsertGoesInFrontOfTheSelectionWhichRemoveClears)
{
    LogoPanel& p = make({ "A", "X" }, { "t", "2" });
    p.select(1);
    p.insert({ path("A"), path("B"), path("C") });
    EXPECT_EQ(entries(), (Names { "A", "C", "A", "X" }));
    EXPECT_EQ(p.selected(), 3u);
    p.remove();
    EXPECT_EQ(entries(), (Names { "A", "C", "A" }));
    EXPECT_EQ(p.selected(), std::nullopt);
    p.insert({ path("X") });
    EXPECT_EQ(entries(), (Names { "A", "C", "A", "X" })) << "appended with nothing selected";

    make({ "A", "C" }, { "t", "x" });
    panel->select(1);
    EXPECT_EQ(failureOf([&] { panel->remove(); }), "'x' is not a valid integer value");
    EXPECT_EQ(entries(), (Names { "A" }));
    EXPECT_EQ(panel->selected(), std::nullopt) << "not the row the removed entry stood in";
}

TEST_F(LogoPanelTest, ThePreviewComesToTheFrontAndKeepsItsPictureWhenAnEntryCantBeShown)
{
    LogoPanel& p = make({ "text", "wide", "M" }, { "t", "1" });
    EXPECT_FALSE(p.preview().inFront());
    EXPECT_EQ(failureOf([&] { p.select(0); }), "Bitmap image is not valid");
    EXPECT_TRUE(p.preview().inFront());
    EXPECT_EQ(p.preview().dimensions(), "");

    p.select(1);
    EXPECT_EQ(p.preview().dimensions(), "400x100");
    EXPECT_EQ(p.preview().picture().width, 160);
    EXPECT_EQ(p.preview().picture().height, 120);
    Picture shown = p.preview().picture();

    EXPECT_EQ(failureOf([&] { p.select(2); }), "Cannot open file " + path("M"));
    EXPECT_EQ(p.selected(), 2u);
    EXPECT_EQ(p.preview().dimensions(), "400x100");
    EXPECT_EQ(p.preview().picture(), shown);
}
