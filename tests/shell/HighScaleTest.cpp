#include "WindowSetFixture.h"
#include "resources/SkinResources.h"
#include "shell/skin/TBitmapButton.h"

#include <QGuiApplication>
#include <QLabel>

// Run with the screens scaled to 200 %: the skin shows its double-density drawings, and every
// window and control keeps the size and place its table gives in logical pixels.
class HighScale : public WindowSetFixture {
protected:
    static void SetUpTestSuite() { initSkinResources(); }
};

TEST_F(HighScale, WindowsShowTheDenseDrawingsAtTheirTableSizes)
{
    ASSERT_EQ(qGuiApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
    for (TSkinnedForm* window : windows.all()) {
        const TWindowGeometry& table = window->table();
        if (table.frame != TFrame::Skinned)
            continue;
        SCOPED_TRACE(table.name);
        EXPECT_EQ(window->size(), QSize(table.width, table.height));
        for (const TControlGeometry& control : table.controls) {
            if (!*control.name)
                continue;
            QWidget* widget = window->control(control.name);
            EXPECT_EQ(widget->geometry(), QRect(control.x, control.y, control.w, control.h)) << control.name;
            if (control.kind == TControlKind::Background) {
                QPixmap face = window->image(control.name)->pixmap();
                EXPECT_EQ(face.devicePixelRatio(), 2.0);
                EXPECT_EQ(face.deviceIndependentSize(), QSizeF(table.width, table.height));
            } else if (control.kind == TControlKind::BitmapButton) {
                // The button shows the first picture of the dense strip, pixel for pixel.
                QImage strip(QString::fromStdString(":/" + doubleDensityResource(pictureResource(table, control))));
                QImage shown = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
                ASSERT_EQ(shown.size(), QSize(2 * control.w, 2 * control.h)) << control.name;
                EXPECT_EQ(shown, strip.copy(0, 0, 2 * control.w, 2 * control.h).convertToFormat(QImage::Format_RGB32))
                    << control.name;
            }
        }
    }
}
