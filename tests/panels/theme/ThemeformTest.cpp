#include "convert/jpeg/JpegFixture.h"
#include "panels/PanelWindowFixture.h"
#include "panels/theme/Tthemeform.h"
#include "panels/theme/Tthemeview.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

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
    folder.write("Sea.theme", "[Control Panel\\Desktop]\r\nWallpaper=%ThemeDir%sea.jpg\r\n");
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
    EXPECT_EQ(view.image("name")->text(), "Sea");
    EXPECT_EQ(view.image("pic")->pixmap().size(), QSize(302, 50));
    EXPECT_EQ(view.memo("items")->toPlainText().toStdString(), "Wallpaper: " + folder.file("sea.jpg"));
    EXPECT_EQ(folder.read("machine/registry.reg"), registry);

    QApplication::setActiveWindow(&view);
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_FALSE(view.isVisible());
    EXPECT_TRUE(shown.empty()) << shown.front();
}
