#pragma once

#include "shell/skin/TDragRule.h"
#include "shell/skin/TWindowGeometry.h"

#include <windows.h>

// The strip over a skinned window's title: pressing any mouse button on it and moving drags the
// whole window by the drag rule the Qt windows follow too. The window captures the pointer while a
// drag lasts.
class TDragBar {
public:
    // The table's drag bar; a table without one drags nothing.
    explicit TDragBar(const TWindowGeometry& table);

    bool contains(POINT point) const;
    // `point` in the window's client coordinates; starts a drag when it is on the bar.
    void press(HWND window, POINT point);
    // Moves the window after the pointer; false when no drag is going on.
    bool follow(HWND window) const;
    // With several buttons held, the first release ends the drag.
    void release(HWND window);
    // The capture went elsewhere.
    void lost() { rule_.release(); }

private:
    const TControlGeometry* bar_ = nullptr;
    TDragRule rule_;
};
