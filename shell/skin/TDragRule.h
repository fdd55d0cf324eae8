#pragma once

struct TDragPoint {
    int x = 0;
    int y = 0;
    bool operator==(const TDragPoint&) const = default;
};

// The press point of one drag bar, for the Qt and the Win32 windows alike. A stored 0 means "no
// press" for that axis alone, so a press in the bar's first column drags only vertically, one in
// its first row only sideways, and one at the corner not at all.
class TDragRule {
public:
    void press(TDragPoint onBar) { pressed_ = onBar; }
    // The offset by which the window moves for a pointer now at onBar.
    TDragPoint move(TDragPoint onBar) const;
    void release() { pressed_ = {}; }

    TDragPoint pressPoint() const { return pressed_; }

private:
    TDragPoint pressed_;
};
