#include "convert/jpeg/JpegFixture.h"
#include "panels/PanelWindowFixture.h"
#include "panels/theme/Tthemeform.h"
#include "panels/theme/Tthemeview.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>

namespace {

class Themeform : public PanelWindowFixture<Tthemeform> {
protected:
    Themeform()
        : PanelWindowFixture("BitBtn5", &TWindowSet::themeform)
    {
    }

    QListView* list() { return panel().listBox("list"); }
    std::string row(int at) { return list()->model()->index(at, 0).data().toString().toStdString(); }
    void select(int at)
    {
        list()->selectionModel()->setCurrentIndex(list()->model()->index(at, 0), QItemSelectionModel::ClearAndSelect);
    }
    void doubleClickRow(int at) { PanelWindowFixture::doubleClickRow(list(), at); }
    std::string theme(const std::string& name, const std::string& colour)
    {
        folder.write(name, "[Control Panel\\Colors]\r\nBackground=" + colour + "\r\n");
        return folder.file(name);
    }
};

} // namespace

TEST_F(Themeform, EditsTheListAndSaveAppliesTheThemeAtTheNextPosition)
{
    std::string a = theme("a.theme", "1 1 1"), b = theme("b.theme", "2 2 2"), c = theme("c.theme", "3 3 3");
    chosen = { a, b };
    panel().button("BitBtn1")->click();
    ASSERT_EQ(requests, Names { "Theme Files|*.theme" });
    chosen = { c };
    panel().button("BitBtn2")->click(); // nothing selected: appended
    EXPECT_EQ((Names { row(0), row(1), row(2) }), (Names { b, a, c }));

    select(1);
    panel().button("BitBtn3")->click();
    EXPECT_EQ(list()->model()->rowCount(), 2);
    doubleClickRow(1);
    EXPECT_EQ(panel().edit("next")->text(), "2");

    panel().button("BitBtn4")->click();
    EXPECT_FALSE(panel().isVisible());
    EXPECT_EQ(folder.read("ambrel.dat"), b + "\r\n" + c + "\r\n");
    EXPECT_EQ(folder.read("ambrel.cfg"), "t\r\n1\r\n");
    EXPECT_NE(folder.read("machine/registry.reg").find("\"Background\"=\"3 3 3\""), std::string::npos);
    EXPECT_TRUE(shown.empty()) << shown.front();
}

TEST_F(Themeform, PreviewShowsTheSelectedThemeWithoutApplyingIt)
{
    writeBytes(folder.file("sea.jpg"), makeJpeg({ .width = 604, .height = 100 }));
    std::string theme = "[Theme]\r\nDisplayName=Deep Sea\r\n[Control Panel\\Desktop]\r\nWallpaper=%ThemeDir%sea.jpg\r\n"
                        "[boot]\r\nSCRNSAVE.EXE=%ThemeDir%gone.scr\r\n[Control Panel\\Colors]\r\n";
    for (int colour = 0; colour < 30; ++colour)
        theme += "Colour" + std::to_string(colour) + "=0 64 " + std::to_string(colour) + "\r\n";
    folder.write("Sea.theme", theme);
    std::string registry = folder.read("machine/registry.reg");
    chosen = { folder.file("Sea.theme") };
    panel().button("BitBtn1")->click();

    Tthemeview& view = panel().themeview();
    panel().button("BitBtn7")->click();
    EXPECT_FALSE(view.isVisible()) << "nothing selected";
    select(0);
    panel().button("BitBtn7")->click();
    ASSERT_TRUE(view.isVisible());
    EXPECT_TRUE(panel().isVisible());
    EXPECT_EQ(view.image("name")->text(), "Deep Sea");
    EXPECT_EQ(view.image("pic")->pixmap().size(), QSize(372, 61));
    EXPECT_EQ(folder.read("machine/registry.reg"), registry);

    QListView* items = view.listBox("items");
    QAbstractItemModel* rows = items->model();
    ASSERT_EQ(rows->rowCount(), 32);
    EXPECT_EQ(rows->index(0, 0).data().toString().toStdString(), "Wallpaper: " + folder.file("sea.jpg"));
    EXPECT_EQ(
        rows->index(1, 0).data().toString().toStdString(), "Screen saver: " + folder.file("gone.scr") + " (missing)");
    QModelIndex last = rows->index(31, 0);
    EXPECT_EQ(last.data().toString(), "Colour Colour29: 0 64 29");
    EXPECT_EQ(last.data(Qt::DecorationRole).value<QPixmap>().toImage().pixelColor(5, 5), QColor(0, 64, 29));
    items->scrollTo(last);
    QRect lastRow = items->visualRect(last);
    EXPECT_TRUE(lastRow.top() >= 0 && lastRow.bottom() <= items->viewport()->rect().bottom())
        << "the last row scrolls fully into view";

    QApplication::setActiveWindow(&view);
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_FALSE(view.isVisible());
    EXPECT_TRUE(shown.empty()) << shown.front();
}
