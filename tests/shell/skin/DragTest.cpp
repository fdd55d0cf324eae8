#include "shell/skin/TDragBar.h"
#include "shell/skin/TDragRule.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

TEST(DragRule, MovesByTheOffsetFromThePressPointOnEachAxis)
{
    TDragRule rule;
    rule.press({ 30, 8 });
    EXPECT_EQ(rule.move({ 45, 2 }), (TDragPoint { 15, -6 }));
}

TEST(DragRule, AStoredZeroFreezesThatAxisAlone)
{
    TDragRule rule;
    rule.press({ 0, 8 });
    EXPECT_EQ(rule.move({ 20, 18 }), (TDragPoint { 0, 10 }));
    rule.press({ 30, 0 });
    EXPECT_EQ(rule.move({ 20, 18 }), (TDragPoint { -10, 0 }));
    rule.press({ 0, 0 });
    EXPECT_EQ(rule.move({ 20, 18 }), (TDragPoint { 0, 0 }));
}

TEST(DragRule, ReleaseClearsBothAxesSoLaterMovesDoNothing)
{
    TDragRule rule;
    rule.press({ 30, 8 });
    rule.release();
    EXPECT_EQ(rule.pressPoint(), (TDragPoint { 0, 0 }));
    EXPECT_EQ(rule.move({ 100, 100 }), (TDragPoint { 0, 0 }));
}

namespace {

// A top-level window with a drag bar across its top, as the skinned windows have.
class DragBarWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        window.setGeometry(200, 150, 300, 200);
        bar = new TDragBar(&window);
        bar->setGeometry(0, 0, 300, 20);
        window.show();
    }

    void send(QEvent::Type type, QPoint onBar, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QPointF global = bar->mapToGlobal(QPointF(onBar));
        QMouseEvent event(type, QPointF(onBar), global, button, held, Qt::NoModifier);
        QApplication::sendEvent(bar, &event);
    }

    void drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
    {
        send(QEvent::MouseButtonPress, from, button, button);
        send(QEvent::MouseMove, to, Qt::NoButton, button);
        send(QEvent::MouseButtonRelease, to, button, Qt::NoButton);
    }

    QWidget window;
    TDragBar* bar = nullptr;
};

} // namespace

TEST_F(DragBarWindow, WindowFollowsThePointerWithAnyButton)
{
    drag({ 40, 10 }, { 65, 4 });
    EXPECT_EQ(window.pos(), QPoint(225, 144));
    drag({ 40, 10 }, { 30, 15 }, Qt::RightButton);
    EXPECT_EQ(window.pos(), QPoint(215, 149));
    drag({ 40, 10 }, { 50, 20 }, Qt::MiddleButton);
    EXPECT_EQ(window.pos(), QPoint(225, 159));
}

TEST_F(DragBarWindow, PressOnTheBarsEdgesMovesAlongOneAxisOnly)
{
    drag({ 0, 10 }, { 30, 25 });
    EXPECT_EQ(window.pos(), QPoint(200, 165));
    drag({ 40, 0 }, { 70, 25 });
    EXPECT_EQ(window.pos(), QPoint(230, 165));
    drag({ 0, 0 }, { 70, 25 });
    EXPECT_EQ(window.pos(), QPoint(230, 165));
}

TEST_F(DragBarWindow, PressPointStaysUnderThePointerAcrossSeveralMoves)
{
    send(QEvent::MouseButtonPress, { 40, 10 }, Qt::LeftButton, Qt::LeftButton);
    // After each move the window has moved, so the same screen point is again at (40, 10).
    QPoint screen = bar->mapToGlobal(QPoint(40, 10));
    for (int step = 1; step <= 3; ++step) {
        screen += QPoint(10, 5);
        send(QEvent::MouseMove, bar->mapFromGlobal(screen), Qt::NoButton, Qt::LeftButton);
    }
    send(QEvent::MouseButtonRelease, { 40, 10 }, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(window.pos(), QPoint(230, 165));
    send(QEvent::MouseMove, { 90, 12 }, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(window.pos(), QPoint(230, 165));
}
