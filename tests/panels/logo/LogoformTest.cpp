#include "BitmapBytes.h"
#include "panels/PanelWindowFixture.h"
#include "panels/logo/Tlogoform.h"
#include "panels/logo/Tlogorest.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <filesystem>

namespace {

class Logoform : public PanelWindowFixture<Tlogoform> {
protected:
    Logoform()
        : PanelWindowFixture("BitBtn4", &TWindowSet::logoform)
    {
    }

    QListView* list() { return panel().listBox("list"); }
    int stackingOf(const char* name) { return static_cast<int>(panel().children().indexOf(panel().control(name))); }

    std::string bitmap(const std::string& name, const BitmapShape& shape)
    {
        folder.write(name, bitmapBytes(shape));
        return folder.file(name);
    }

    void clickRow(int row) { PanelWindowFixture::clickRow(list(), row); }

    const std::string logo = folder.file("machine/c/logo.sys");
};

} // namespace

TEST_F(Logoform, ControlsStandWhereTheTableSaysInTheirFocusOrder)
{
    EXPECT_EQ(panel().windowTitle(), "Brisko Control Panel");
    EXPECT_EQ(panel().size(), QSize(483, 283));
    EXPECT_EQ(panel().image("preview")->geometry(), QRect(312, 40, 160, 120));
    EXPECT_EQ(panel().button("BitBtn1")->toolTip(), "Restore Original Windows Logo");
    EXPECT_EQ(panel().edit("next")->text(), "1");
    EXPECT_TRUE(panel().checkBox("enable")->isChecked());
    EXPECT_FALSE(panel().checkBox("ran")->isChecked());
    EXPECT_LT(stackingOf("preview"), stackingOf("Image1")) << "beneath the background";

    EXPECT_EQ(focusOrder(list()),
        (Names { "list", "BitBtn2", "BitBtn3", "BitBtn4", "BitBtn5", "BitBtn6", "BitBtn7", "BitBtn1", "enable", "ran",
            "BitBtn8" }));
    EXPECT_TRUE(shown.empty());
}

TEST_F(Logoform, AddRefusesBadBitmapsInTheirOwnBoxAndPreviewsTheGoodOnes)
{
    std::string good = bitmap("good.bmp", {}), wide = bitmap("wide.bmp", { .width = 640, .height = 480 });
    chosen = { good, wide };
    panel().button("BitBtn2")->click();
    EXPECT_EQ(requests, Names { "Bitmaps and logo files|*.bmp;*.sys|Bitmap files|*.bmp|Logo files|*.sys" });
    EXPECT_EQ(shown, Names { "Illegal bitmap: " + wide + " must be 320x400 and 256 colors (8 bit)." });
    ASSERT_EQ(list()->model()->rowCount(), 1);

    clickRow(0);
    EXPECT_EQ(panel().edit("dimensions")->text(), "320x400");
    EXPECT_EQ(panel().image("preview")->pixmap().size(), QSize(160, 120));
    EXPECT_GT(stackingOf("preview"), stackingOf("Image1")) << "in front after the first selection";

    QTest::mouseDClick(
        list()->viewport(), Qt::LeftButton, {}, list()->visualRect(list()->model()->index(0, 0)).center());
    EXPECT_EQ(panel().edit("next")->text(), "1");
    EXPECT_EQ(shown.size(), 1u);
}

TEST_F(Logoform, SaveWritesTheLogoBesideTheWindowsFolderAndRestoreTakesItAway)
{
    chosen = { bitmap("good.bmp", {}) };
    panel().button("BitBtn2")->click();
    panel().button("BitBtn5")->click();
    EXPECT_FALSE(panel().isVisible());
    EXPECT_TRUE(windows->themainform().isVisible());
    ASSERT_TRUE(std::filesystem::exists(logo));
    EXPECT_EQ(QImage(QString::fromStdString(logo), "BMP").size(), QSize(320, 400));

    windows->themainform().button("BitBtn4")->click();
    panel().button("BitBtn1")->click();
    EXPECT_FALSE(std::filesystem::exists(logo));
    EXPECT_TRUE(windows->logorest().isVisible());
    EXPECT_TRUE(panel().isVisible()) << "the panel stays open behind it";
    windows->logorest().button("BitBtn1")->click();
    EXPECT_FALSE(windows->logorest().isVisible());

    panel().button("BitBtn1")->click();
    EXPECT_FALSE(windows->logorest().isVisible()) << "no logo file, nothing shown";
    EXPECT_TRUE(shown.empty());
}
