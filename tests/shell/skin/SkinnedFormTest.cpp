#include "shell/skin/TBitmapButton.h"
#include "shell/skin/TDragBar.h"
#include "shell/skin/TErrorBox.h"
#include "shell/skin/TSkinnedForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace skin;

constexpr TControlGeometry controls[] = {
    background("Image1", 200, 120),
    dragBar("Image2", 199, 17),
    text(10, 20, 100, 14, "List:"),
    picture("logo", 10, 40, 50, 50),
    listBox("list", 70, 36, 100, 40, 0),
    edit("next", 70, 80, 30, 21, "1"),
    checkBox("enable", 110, 80, "&Enable", 3),
    bitmapButton("BitBtn1", 10, 95, 60, 20, TGlyph::Tick, "Save and Exit", 1),
    bitmapButton("BitBtn2", 75, 95, 60, 20, TGlyph::NoEntry, "Cancel", 2),
    closeBox("BitBtn3", 184, 4),
};
constexpr TWindowGeometry window { "Tsample", "Sample Panel", "Sample Panel", 200, 120, 120, 80, TScheme::Grey,
    TFrame::Skinned, controls, "BitBtn2", "BitBtn1" };

class SkinnedForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        TErrorBox::setTestHook([this](const std::string& text) { shown.push_back(text); });
    }
    void TearDown() override { TErrorBox::setTestHook({}); }

    TSkinnedForm form { window };
    std::vector<std::string> shown;
};

} // namespace

TEST_F(SkinnedForm, BuildsEveryControlOfTheTableAtItsPlace)
{
    EXPECT_EQ(form.windowTitle(), "Sample Panel");
    EXPECT_EQ(form.size(), QSize(200, 120));
    EXPECT_EQ(form.pos(), QPoint(120, 80));
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.listBox("list")->geometry(), QRect(70, 36, 100, 40));
    EXPECT_EQ(form.edit("next")->text(), "1");
    EXPECT_TRUE(form.edit("next")->isReadOnly());
    EXPECT_EQ(form.checkBox("enable")->geometry(), QRect(110, 80, 15, 15));
    EXPECT_EQ(form.button("BitBtn1")->toolTip(), "Save and Exit");
    EXPECT_EQ(form.button("BitBtn3")->geometry(), QRect(184, 2, 13, 13));
    EXPECT_EQ(form.dragBar()->geometry(), QRect(0, 0, 199, 17));
    // Painted words get no widget; a name of the wrong kind is a programming error.
    EXPECT_EQ(form.findChildren<QLabel*>().size(), 2);
    EXPECT_THROW(form.button("list"), std::logic_error);
    EXPECT_THROW(form.control("nothing"), std::logic_error);
}

TEST_F(SkinnedForm, TabOrderFollowsTheTableNotTheDrawingOrder)
{
    form.showWindow();
    QApplication::setActiveWindow(&form);
    form.listBox("list")->setFocus();
    std::vector<QWidget*> visited;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(visited,
        (std::vector<QWidget*> {
            form.button("BitBtn1"), form.button("BitBtn2"), form.checkBox("enable"), form.button("BitBtn3") }));
    EXPECT_EQ(form.edit("next")->focusPolicy(), Qt::NoFocus);
}

TEST_F(SkinnedForm, EscPressesTheCancelButtonAndEnterTheDefaultButton)
{
    std::string pressed;
    form.onClick("BitBtn1", [&] { pressed += "save "; });
    form.onClick("BitBtn2", [&] { pressed += "cancel "; });
    form.showWindow();
    QApplication::setActiveWindow(&form);
    form.listBox("list")->setFocus();
    QTest::keyClick(form.listBox("list"), Qt::Key_Escape);
    QTest::keyClick(form.listBox("list"), Qt::Key_Return);
    EXPECT_EQ(pressed, "cancel save ");
}

TEST_F(SkinnedForm, HandlersRunInsideTheErrorBox)
{
    form.onClick("BitBtn1", [] { throw std::runtime_error("Cannot create file /x"); });
    form.button("BitBtn1")->click();
    int moves = 0;
    form.onMouseMove("logo", [&] { ++moves; });
    form.onClick("logo", [&] { throw std::runtime_error("clicked"); });
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), form.image("logo")->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form.image("logo"), &move);
    QTest::mouseClick(form.image("logo"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_GE(moves, 1);
    EXPECT_EQ(shown, (std::vector<std::string> { "Cannot create file /x.", "clicked." }));
}

TEST_F(SkinnedForm, KeepsItsPlaceWhileHiddenAndRoutesSystemClose)
{
    form.showWindow();
    form.move(300, 200);
    form.hideWindow();
    form.showWindow();
    EXPECT_EQ(form.pos(), QPoint(300, 200));

    bool closed = false;
    form.onSystemClose([&] { closed = true; });
    form.close();
    EXPECT_TRUE(closed);
    EXPECT_TRUE(form.isVisible());
}
