#pragma once

#include <QWidget>
#include <vector>

// The program's one taskbar button, titled with the application title: a window of its own that
// is on screen but shows nothing, as the other windows come and go. Every other window keeps off
// the taskbar; minimising the program, or restoring it from the button, takes all of them along.
class TTaskbarEntry : public QWidget {
    Q_OBJECT
public:
    TTaskbarEntry();

    // A window of the program: kept off the taskbar and minimised and restored with the rest.
    void follow(QWidget& window);

    void minimiseAll();
    void restoreAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void bringWindowsForward();

    std::vector<QWidget*> windows_;
    bool moving_ = false;
};
