#include "shell/TWindowSet.h"
#include "shell/Tthemainform.h"
#include "shell/about/Tbigabout.h"
#include "shell/skin/TBitmapButton.h"
#include "shell/skin/TDragBar.h"
#include "shell/skin/TErrorBox.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ControlCenter : public ::testing::Test {
protected:
    void SetUp() override
    {
        TErrorBox::setTestHook([](const std::string& text) { FAIL() << text; });
        windows.setEndProgram([this] { ++ended; });
        center.showWindow();
        QApplication::setActiveWindow(&center);
    }
    void TearDown() override { TErrorBox::setTestHook({}); }

    void moveOver(QWidget* widget)
    {
        QPointF at(widget->width() / 2.0, widget->height() / 2.0);
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }

    QTemporaryDir folder;
    TWindowSet windows { folder.path().toStdString() + "/" };
    Tthemainform& center = windows.themainform();
    int ended = 0;
};

} // namespace

TEST_F(ControlCenter, EscAndTheCloseButtonEndTheProgramAtOnce)
{
    center.button("BitBtn2")->setFocus();
    QTest::keyClick(center.button("BitBtn2"), Qt::Key_Escape);
    EXPECT_EQ(ended, 1);
    center.button("BitBtn7")->click();
    EXPECT_EQ(ended, 2);
    center.close();
    EXPECT_EQ(ended, 3);
}

TEST_F(ControlCenter, LogoHighlightFollowsPointerMovementOnly)
{
    EXPECT_FALSE(center.logoHighlighted());
    moveOver(center.image("logoabout"));
    EXPECT_TRUE(center.logoHighlighted());
    EXPECT_TRUE(center.image("logoabout")->isHidden());
    // Straight from the logo onto a button or the title strip: the highlight stays.
    moveOver(center.button("BitBtn4"));
    moveOver(center.dragBar());
    moveOver(center.image("logoabout2"));
    EXPECT_TRUE(center.logoHighlighted());
    moveOver(center.image("background"));
    EXPECT_FALSE(center.logoHighlighted());
    EXPECT_FALSE(center.image("logoabout")->isHidden());
}

TEST_F(ControlCenter, HighlightedLogoOpensTheAboutWindowWhichLeadsBackOrEnds)
{
    moveOver(center.image("logoabout"));
    QTest::mouseClick(center.image("logoabout2"), Qt::LeftButton, {}, QPoint(60, 60));
    EXPECT_TRUE(windows.bigabout().isVisible());
    EXPECT_FALSE(center.isVisible());
    windows.bigabout().button("okbut")->click();
    EXPECT_TRUE(center.isVisible());
    EXPECT_FALSE(windows.bigabout().isVisible());
    windows.bigabout().button("quitbut")->click();
    EXPECT_EQ(ended, 1);
}

TEST_F(ControlCenter, ReappearsWhereItWasDraggedAfterAPanel)
{
    TDragBar* bar = center.dragBar();
    auto send = [bar](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), bar->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(bar, &event);
    };
    send(QEvent::MouseButtonPress, { 100, 10 }, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, { 130, 50 }, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, { 130, 50 }, Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(center.pos(), QPoint(292, 163));

    center.button("BitBtn2")->click();
    windows.returnToControlCenter(*windows.all()[2]);
    EXPECT_TRUE(center.isVisible());
    EXPECT_EQ(center.pos(), QPoint(292, 163));
}

TEST_F(ControlCenter, FocusOrderRunsThroughTheModuleButtonsThenMinimiseAndClose)
{
    center.button("BitBtn2")->setFocus();
    std::vector<std::string> order { "BitBtn2" };
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.push_back(QApplication::focusWidget()->objectName().toStdString());
    }
    EXPECT_EQ(order,
        (std::vector<std::string> { "BitBtn2", "BitBtn4", "BitBtn1", "BitBtn3", "BitBtn5", "BitBtn6", "BitBtn7" }));
}

TEST_F(ControlCenter, MinimiseTakesTheVisibleWindowsDownAndShowingBringsOneBack)
{
    center.button("BitBtn6")->click();
    EXPECT_TRUE(center.isMinimized());
    EXPECT_EQ(ended, 0);
    center.showWindow();
    EXPECT_FALSE(center.isMinimized());
    EXPECT_TRUE(center.isVisible());
}
