#include "panels/PanelWindowFixture.h"
#include "panels/wallpaper/Tmurelloform.h"
#include "shell/confirm/Tcancelform.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <filesystem>

namespace {

class Murelloform : public PanelWindowFixture<Tmurelloform> {
protected:
    Murelloform()
        : PanelWindowFixture("BitBtn1", &TWindowSet::murelloform)
    {
    }

    QListView* list() { return panel().listBox("List"); }
    QString text(const char* field) { return panel().edit(field)->text(); }

    std::string bitmap(const std::string& name, int width, int height)
    {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(Qt::yellow);
        picture.save(QString::fromStdString(folder.file(name)), "BMP");
        return folder.file(name);
    }

    void clickRow(int row) { PanelWindowFixture::clickRow(list(), row); }
    void doubleClickRow(int row) { PanelWindowFixture::doubleClickRow(list(), row); }
};

} // namespace

TEST_F(Murelloform, ControlsStandWhereTheTableSaysInTheirFocusOrder)
{
    EXPECT_EQ(panel().windowTitle(), "Murello Control Panel");
    EXPECT_EQ(panel().size(), QSize(517, 327));
    EXPECT_EQ(list()->geometry(), QRect(10, 35, 289, 137));
    EXPECT_TRUE(list()->uniformItemSizes());
    EXPECT_EQ(panel().button("BitBtn3")->geometry(), QRect(203, 179, 96, 23));
    EXPECT_EQ(panel().button("BitBtn7")->toolTip(), "Save and Exit");
    EXPECT_EQ(panel().image("pic")->geometry(), QRect(308, 34, 200, 200));
    EXPECT_EQ(text("next"), "1");
    EXPECT_TRUE(panel().checkBox("tile")->isChecked());
    EXPECT_TRUE(panel().checkBox("enable")->isChecked());
    EXPECT_FALSE(panel().checkBox("ran")->isChecked());

    EXPECT_EQ(focusOrder(list()),
        (Names { "List", "BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4", "BitBtn5", "BitBtn6", "BitBtn7", "BitBtn8",
            "BitBtn9", "tile", "ran", "enable", "BitBtn11" }));
    EXPECT_TRUE(shown.empty()) << shown.front();
}

TEST_F(Murelloform, AddedBitmapsArePreviewedWithTheirSizeAndTiling)
{
    std::string wide = bitmap("wide.bmp", 300, 199), tall = bitmap("tall.bmp", 800, 1000);
    chosen = { wide, tall };
    panel().button("BitBtn1")->click();
    ASSERT_EQ(requests, Names { "Bitmap Image|*.bmp" });
    ASSERT_EQ(list()->model()->rowCount(), 2);
    EXPECT_EQ(list()->model()->index(0, 0).data().toString().toStdString(), tall);

    clickRow(1);
    QLabel* pic = panel().image("pic");
    EXPECT_EQ(pic->geometry(), QRect(308, 68, 200, 133));
    EXPECT_EQ(pic->pixmap().size(), QSize(200, 133));
    EXPECT_EQ(text("picwidth"), "300");
    EXPECT_EQ(text("picheight"), "199");

    panel().checkBox("tile")->click();
    EXPECT_EQ(panel().panel().cycle().flag(1), "f");
    clickRow(0);
    EXPECT_EQ(pic->geometry(), QRect(328, 34, 160, 200));
    EXPECT_TRUE(panel().checkBox("tile")->isChecked());
    clickRow(1);
    EXPECT_FALSE(panel().checkBox("tile")->isChecked());

    doubleClickRow(1);
    EXPECT_EQ(text("next"), "2");
    EXPECT_TRUE(shown.empty()) << shown.front();

    bitmap("wide.bmp", 40, 30);
    clickRow(1);
    EXPECT_EQ(text("picwidth"), "40") << "clicking the selected entry again previews it afresh";
}

TEST_F(Murelloform, APictureThatCannotBeShownIsReportedAndKeepsTheSelection)
{
    std::string small = bitmap("small.bmp", 100, 50);
    chosen = { folder.file("gone.bmp"), small };
    panel().button("BitBtn1")->click();
    clickRow(0);
    ASSERT_EQ(panel().image("pic")->geometry(), QRect(358, 109, 100, 50));

    doubleClickRow(1);
    EXPECT_EQ(shown, Names { "Cannot open file " + folder.file("gone.bmp") + "." }) << "reported once";
    EXPECT_EQ(text("next"), "2");
    EXPECT_EQ(list()->currentIndex().row(), 1);
    EXPECT_EQ(panel().image("pic")->geometry(), QRect(308, 34, 100, 50));
    EXPECT_EQ(text("picwidth"), "100");
}

TEST_F(Murelloform, RemovingThePreviewedEntryEmptiesThePreview)
{
    chosen = { bitmap("small.bmp", 100, 50) };
    panel().button("BitBtn1")->click();
    clickRow(0);
    ASSERT_EQ(text("picwidth"), "100");

    panel().button("BitBtn3")->click();
    EXPECT_EQ(list()->model()->rowCount(), 0);
    EXPECT_TRUE(panel().image("pic")->pixmap().isNull());
    EXPECT_EQ(text("picwidth"), "");
    EXPECT_EQ(text("picheight"), "");
    EXPECT_TRUE(shown.empty()) << shown.front();
}

TEST_F(Murelloform, InsertAndRemoveKeepTheListControlInStep)
{
    chosen = { "C:\\A.BMP", "C:\\B.BMP" };
    panel().button("BitBtn2")->click();
    EXPECT_EQ(list()->model()->rowCount(), 0) << "nothing selected: nothing inserted";
    panel().button("BitBtn1")->click();

    list()->setCurrentIndex(list()->model()->index(1, 0)); // its preview fails; the selection stays
    shown.clear();
    chosen = { "C:\\C.BMP" };
    panel().button("BitBtn2")->click();
    EXPECT_EQ(list()->model()->index(1, 0).data().toString(), "C:\\C.BMP");
    EXPECT_EQ(list()->currentIndex().row(), 2) << "the selected entry moved down with the insertion";
    EXPECT_TRUE(shown.empty()) << "following the moved selection previews nothing";

    panel().button("BitBtn3")->click();
    EXPECT_EQ(list()->model()->rowCount(), 2);
    EXPECT_FALSE(list()->selectionModel()->hasSelection());
    EXPECT_EQ(panel().panel().cycle().settings().lines(), (LineList { "t", "1", "t", "t" }));
}

TEST_F(Murelloform, SaveAndExitWritesTheMachinesFilesAndReturnsToTheControlCenter)
{
    std::string wide = bitmap("wide.bmp", 30, 20);
    folder.write("machine/c/WINDOWS/win.ini",
        "[windows]\nrun=\n\n[Desktop]\nwallpaper=(None)\nTileWallpaper=1\r\n"
        "WallpaperStyle=0\n; the end");
    chosen = { wide };
    panel().button("BitBtn1")->click();
    panel().button("BitBtn6")->click();
    panel().button("BitBtn7")->click();
    EXPECT_TRUE(shown.empty()) << shown.front();
    EXPECT_FALSE(panel().isVisible());
    EXPECT_TRUE(windows->themainform().isVisible());

    EXPECT_EQ(folder.read("murello.dat"), wide + "\r\n");
    EXPECT_EQ(folder.read("murello.cfg"), "t\r\n1\r\nf\r\n");
    EXPECT_EQ(folder.read("machine/c/WINDOWS/win.ini"),
        "[windows]\r\nrun=\r\n\r\n[Desktop]\r\nWallpaper=" + wide
            + "\r\nTileWallpaper=0\r\nWallpaperStyle=0\r\n; the end\r\n");
    std::string registry = folder.read("machine/registry.reg");
    EXPECT_NE(registry.find("\"Wallpaper\"=\"" + wide + "\""), std::string::npos);
    EXPECT_NE(registry.find("\"TileWallpaper\"=\"0\""), std::string::npos);
}

TEST_F(Murelloform, AFailedSaveIsReportedAndThePanelStaysOpen)
{
    chosen = { "C:\\A.BMP" };
    panel().button("BitBtn1")->click();
    std::filesystem::remove(folder.file("machine/c/WINDOWS/win.ini"));
    panel().button("BitBtn7")->click();
    EXPECT_EQ(shown, Names { "Cannot open file " + folder.file("machine/c/WINDOWS/win.ini") + "." });
    EXPECT_TRUE(panel().isVisible());
    EXPECT_EQ(folder.read("murello.dat"), "C:\\A.BMP\r\n");
}

TEST_F(Murelloform, TheOtherButtonsOpenTheirWindowsOrLeave)
{
    panel().button("BitBtn8")->click();
    EXPECT_TRUE(windows->cancelform().isVisible());
    EXPECT_TRUE(panel().isVisible());

    panel().checkBox("enable")->click();
    panel().button("BitBtn11")->click();
    EXPECT_FALSE(panel().isVisible());
    EXPECT_TRUE(windows->themainform().isVisible());
    EXPECT_TRUE(panel().checkBox("enable")->isChecked()) << "the edit is dropped";
    EXPECT_FALSE(std::filesystem::exists(folder.file("murello.cfg"))) << "leaving writes nothing";

    folder.write("murello.cfg", "f\r\n3\r\n"); // zentrel-cycle, or another copy of the program
    windows->themainform().button("BitBtn1")->click();
    EXPECT_FALSE(panel().checkBox("enable")->isChecked()) << "read again on show";
    EXPECT_EQ(panel().edit("next")->text(), "3");
}
