#pragma once

#include "shell/skin/TWindowGeometry.h"
#include "win32ui/skin/TSkinControl.h"

#include <windows.h>

// A skinned form's drawn background, which the controls without a face of their own show through.
class TSkinBackground {
public:
    // Loaded when the table has a background; otherwise the system's button face shows.
    explicit TSkinBackground(const TWindowGeometry& table);
    ~TSkinBackground();
    TSkinBackground(const TSkinBackground&) = delete;
    TSkinBackground& operator=(const TSkinBackground&) = delete;

    bool drawn() const { return bitmap_ != nullptr; }
    // w x h of the background from atX, atY, drawn at x, y of `dc`.
    void paint(HDC dc, int x, int y, int w, int h, int atX, int atY) const;
    // For WM_CTLCOLOR*: check boxes and labels stand on the background as if they had none;
    // edits and memos are white. nullptr: the system's default.
    HBRUSH colourFor(HDC dc, const TSkinControl& control) const;

private:
    HBITMAP bitmap_ = nullptr;
    HBRUSH brush_ = nullptr;
};
