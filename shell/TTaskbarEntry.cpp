#include "shell/TTaskbarEntry.h"

#include "shell/TWindowHints.h"
#include "shell/skin/TErrorBox.h"
#include "shell/skin/TWindowGeometry.h"

#include <QIcon>
#include <QScopedValueRollback>
#include <QWindowStateChangeEvent>

TTaskbarEntry::TTaskbarEntry()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName("TTaskbarEntry");
    setWindowTitle(QString::fromUtf8(applicationTitle));
    setWindowIcon(QIcon(QString::fromStdString(":/" + iconResource("zentrel"))));
    // The smallest window there is, with a shape that lies outside it: it has a taskbar button
    // but neither shows nor takes a click. Window managers keep windows on screen, so placing it
    // off screen would not do.
    setGeometry(0, 0, 1, 1);
    setMask(QRegion(4, 4, 1, 1));
}

void TTaskbarEntry::follow(QWidget& window)
{
    windows_.push_back(&window);
    window.installEventFilter(this);
}

void TTaskbarEntry::minimiseAll()
{
    QScopedValueRollback guard(moving_, true);
    for (QWidget* window : windows_)
        if (window->isVisible() && !window->isMinimized())
            window->showMinimized();
    if (isVisible() && !isMinimized())
        showMinimized();
}

void TTaskbarEntry::restoreAll()
{
    QScopedValueRollback guard(moving_, true);
    if (isMinimized())
        showNormal();
    for (QWidget* window : windows_)
        if (window->isVisible() && window->isMinimized())
            window->showNormal();
    bringWindowsForward();
}

// The taskbar button activates its own window; the user means the program's windows.
void TTaskbarEntry::bringWindowsForward()
{
    QWidget* front = nullptr;
    for (QWidget* window : windows_)
        if (window->isVisible()) {
            window->raise();
            if (!front)
                front = window;
        }
    if (front)
        front->activateWindow();
}

bool TTaskbarEntry::eventFilter(QObject* watched, QEvent* event)
{
    // Sent before the window is mapped, which is when the window manager reads the hint.
    if (event->type() == QEvent::Show)
        keepOffTaskbar(*static_cast<QWidget*>(watched));
    return QWidget::eventFilter(watched, event);
}

// The taskbar minimises and restores the button's own window; the other windows follow it. Only
// this window is followed: the others' states come back from the window manager late, and an
// old "minimised" arriving after a restore must not take everything down again.
void TTaskbarEntry::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (moving_)
        return;
    if (event->type() == QEvent::WindowStateChange) {
        bool wasMinimised = static_cast<QWindowStateChangeEvent*>(event)->oldState().testFlag(Qt::WindowMinimized);
        if (isMinimized() && !wasMinimised)
            minimiseAll();
        else if (!isMinimized() && wasMinimised)
            restoreAll();
    } else if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        // The button pressed: the window manager may give this window the focus before it
        // reports it restored, or report that only later.
        restoreAll();
    }
}
