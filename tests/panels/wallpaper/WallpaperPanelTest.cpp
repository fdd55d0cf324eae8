#include "panels/wallpaper/WallpaperPanel.h"

#include "cycle/Exception.h"
#include "cycle/TemporaryFolder.h"
#include "support/MemoryLineFiles.h"
#include "support/MemoryRegistry.h"

#include <QImage>
#include <gtest/gtest.h>
#include <memory>

namespace {

const std::string dir = "/zentrel/";
const std::string dat = dir + "murello.dat";
const std::string cfg = dir + "murello.cfg";

// A panel over list files in memory whose entries are real bitmaps in a temporary folder, so that
// selecting one previews it.
class WallpaperPanelTest : public ::testing::Test {
protected:
    std::string bitmap(const std::string& name, int width = 4, int height = 3)
    {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        picture.save(QString::fromStdString(folder.file(name)), "BMP");
        return folder.file(name);
    }

    WallpaperPanel& make(const LineList& entries, const LineList& settings)
    {
        files->files[dat] = entries;
        files->files[cfg] = settings;
        panel = std::make_unique<WallpaperPanel>(dir, registry, files);
        EXPECT_TRUE(panel->load().empty());
        return *panel;
    }

    // The tiling flags, one per entry.
    LineList flags() const
    {
        const LineList& lines = panel->cycle().settings().lines();
        return LineList(lines.begin() + 2, lines.end());
    }

    TemporaryFolder folder;
    std::shared_ptr<MemoryLineFiles> files = std::make_shared<MemoryLineFiles>();
    std::vector<std::string> registryLog;
    std::shared_ptr<MemoryRegistry> registry = std::make_shared<MemoryRegistry>(registryLog);
    std::unique_ptr<WallpaperPanel> panel;
};

} // namespace

TEST_F(WallpaperPanelTest, EachEntryKeepsItsOwnFlagThroughLoadAddInsertAndRemove)
{
    std::string a = bitmap("a.bmp"), b = bitmap("b.bmp"), c = bitmap("c.bmp");
    WallpaperPanel& p = make({ a, b, c }, { "t", "3", "f", "x", "f", "t", "t" });
    EXPECT_EQ(flags(), (LineList { "f", "x", "f" })) << "surplus flag lines dropped at load";

    p.add({ "d.bmp", "e.bmp" });
    EXPECT_EQ(p.list().entries(), (LineList { a, b, c, "e.bmp", "d.bmp" }));
    EXPECT_EQ(flags(), (LineList { "f", "x", "f", "t", "t" }));

    p.select(1);
    p.insert({ "p.bmp", "q.bmp" });
    EXPECT_EQ(p.list().entries(), (LineList { a, "q.bmp", "p.bmp", b, c, "e.bmp", "d.bmp" }));
    EXPECT_EQ(flags(), (LineList { "f", "t", "t", "f", "f", "t", "t" })) << "b's odd flag became f on selection";
    ASSERT_EQ(p.selected(), 3u) << "the selected entry moves down with the block";

    p.select(0);
    p.remove();
    EXPECT_EQ(p.list().entries(), (LineList { "q.bmp", "p.bmp", b, c, "e.bmp", "d.bmp" }));
    EXPECT_EQ(flags(), (LineList { "t", "t", "f", "f", "t", "t" }));
    EXPECT_EQ(p.selected(), std::nullopt);
    EXPECT_EQ(p.preview().widthText(), "") << "the removed entry's preview goes with it";
    EXPECT_TRUE(p.preview().picture().isNull());

    p.insert({ "r.bmp" });
    p.remove();
    EXPECT_EQ(p.list().size(), 6u) << "insert and remove need a selected entry";
    EXPECT_EQ(flags().size(), 6u);
}

TEST_F(WallpaperPanelTest, AFlagLessListGetsTileFlagsAtLoad)
{
    WallpaperPanel& p = make({ "a.bmp", "b.bmp" }, { "t", "1" });
    EXPECT_EQ(flags(), (LineList { "t", "t" }));
    EXPECT_TRUE(p.tileTicked());
    EXPECT_TRUE(p.controls().enabled);
}

TEST_F(WallpaperPanelTest, SelectingAnEntryShowsItsFlagInTheTileBox)
{
    std::string a = bitmap("a.bmp"), b = bitmap("b.bmp"), c = bitmap("c.bmp");
    WallpaperPanel& p = make({ a, b, c, a }, { "t", "1", "f", "t", "x", "y" });
    ASSERT_TRUE(p.tileTicked());

    p.select(0);
    EXPECT_FALSE(p.tileTicked());
    EXPECT_EQ(flags()[0], "f");
    p.select(1);
    EXPECT_TRUE(p.tileTicked());
    EXPECT_EQ(flags()[1], "t");

    p.select(2);
    EXPECT_FALSE(p.tileTicked());
    EXPECT_EQ(flags()[2], "f") << "an odd flag is rewritten when the box changes state";
    p.select(3);
    EXPECT_FALSE(p.tileTicked());
    EXPECT_EQ(flags()[3], "y") << "an odd flag stays when the box was already unticked";

    p.clickTile(true);
    EXPECT_EQ(flags()[3], "t");
    p.clickTile(false);
    EXPECT_EQ(flags()[3], "f");
}

TEST_F(WallpaperPanelTest, ClickingTileWithoutSelectionChangesOnlyTheBox)
{
    WallpaperPanel& p = make({ "a.bmp" }, { "t", "1", "t" });
    p.clickTile(false);
    EXPECT_FALSE(p.tileTicked());
    EXPECT_EQ(flags(), LineList { "t" });
}

TEST_F(WallpaperPanelTest, TileAllAndUntileAllSetEveryFlagButNeedAnEntry)
{
    WallpaperPanel& empty = make({}, { "t", "1" });
    empty.untileAll();
    EXPECT_TRUE(empty.tileTicked()) << "an empty list leaves the box alone";
    empty.clickTile(false);
    empty.tileAll();
    EXPECT_FALSE(empty.tileTicked());

    std::string a = bitmap("a.bmp");
    WallpaperPanel& p = make({ a, "b.bmp", "c.bmp" }, { "t", "1", "t", "x", "t" });
    p.select(0);
    p.untileAll();
    EXPECT_FALSE(p.tileTicked());
    EXPECT_EQ(flags(), (LineList { "f", "f", "f" }));
    p.tileAll();
    EXPECT_TRUE(p.tileTicked());
    EXPECT_EQ(flags(), (LineList { "t", "t", "t" }));
}

TEST_F(WallpaperPanelTest, APictureThatFailsKeepsSelectionTileBoxAndDimensions)
{
    std::string wide = bitmap("wide.bmp", 300, 199);
    WallpaperPanel& p = make({ wide, folder.file("gone.bmp") }, { "t", "1", "f", "t" });
    p.select(0);
    ASSERT_FALSE(p.tileTicked());
    EXPECT_EQ(p.preview().area(), (PreviewArea { 308, 68, 200, 133 }));

    EXPECT_THROW(p.select(1), Exception);
    EXPECT_EQ(p.selected(), 1u);
    EXPECT_FALSE(p.tileTicked()) << "the box still shows the previous entry's flag";
    EXPECT_EQ(flags(), (LineList { "f", "t" }));
    EXPECT_EQ(p.preview().widthText(), "300");
    EXPECT_EQ(p.preview().area(), (PreviewArea { 308, 34, 200, 133 }));

    p.clickTile(false);
    EXPECT_EQ(flags(), (LineList { "f", "f" })) << "the click acts on the entry that stays selected";
}

TEST_F(WallpaperPanelTest, DoubleClickChoosesTheSelectedEntryAndRemovePullsNextBack)
{
    std::string a = bitmap("a.bmp");
    WallpaperPanel& p = make({ a, a, a }, { "t", "3", "t", "t", "t" });
    p.chooseNext();
    EXPECT_EQ(p.controls().next, "3") << "nothing selected: nothing chosen";
    p.select(1);
    p.chooseNext();
    EXPECT_EQ(p.controls().next, "2");

    p.select(2);
    p.clickTile(false);
    p.chooseNext();
    p.remove();
    EXPECT_EQ(p.controls().next, "2");
    p.select(0);
    p.remove();
    EXPECT_EQ(p.controls().next, "1");
    p.select(0);
    p.remove();
    EXPECT_EQ(p.controls().next, "0");
    EXPECT_TRUE(flags().empty());
}

TEST_F(WallpaperPanelTest, ARemoveStoppedByAHandEditedNextFieldStillDropsTheSelection)
{
    std::string a = bitmap("a.bmp"), b = bitmap("b.bmp");
    WallpaperPanel& p = make({ a, b }, { "t", "two", "t", "t" });
    p.select(0);
    EXPECT_THROW(p.remove(), Exception);
    EXPECT_EQ(p.list().size(), 1u);
    EXPECT_FALSE(p.selected());
    p.clickTile(false);
    EXPECT_EQ(flags(), (LineList { "t" })) << "the entry that moved up is not selected";
}
