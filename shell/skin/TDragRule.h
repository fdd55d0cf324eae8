#pragma once

#include <QPoint>

// The press point of one drag bar. A stored 0 means "no press" for that axis alone, so a press in
// the bar's first column drags only vertically, one in its first row only sideways, and one at the
// corner not at all.
class TDragRule {
public:
    void press(QPoint onBar);
    // The offset by which the window moves for a pointer now at onBar.
    QPoint move(QPoint onBar) const;
    void release();

    QPoint pressPoint() const { return { x_, y_ }; }

private:
    int x_ = 0;
    int y_ = 0;
};
