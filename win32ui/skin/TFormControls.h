#pragma once

#include "shell/skin/TWindowGeometry.h"
#include "win32ui/skin/TSkinControl.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

// The controls of a skinned form, made from its geometry table in table order (the drawing order)
// with their hints and tab order, and the faces they are drawn in. Found by table name, window or
// control id.
class TFormControls {
public:
    explicit TFormControls(const TWindowGeometry& table);
    ~TFormControls();
    TFormControls(const TFormControls&) = delete;
    TFormControls& operator=(const TFormControls&) = delete;

    // Makes every control of the table as a child of `form`.
    void create(HWND form, const wchar_t* pictureClass);

    // The form's own face.
    HFONT font() const { return font_; }
    // A face of the control's own, kept until the form goes.
    void setFont(TSkinControl& control, HFONT font);

    // Throws when the table has no such control.
    TSkinControl& find(std::string_view name) const;
    TSkinControl* byWindow(HWND window) const;
    TSkinControl* byId(int id) const;
    // The background's handlers (the background has no window of its own).
    std::vector<TSkinControl*> backgrounds() const;

private:
    void createControl(HWND form, const wchar_t* pictureClass, const TControlGeometry& geometry, int id);
    void addHint(HWND form, const TSkinControl& control);
    void applyTabOrder();

    const TWindowGeometry& table_;
    HWND tooltip_ = nullptr;
    HFONT font_ = nullptr;
    HFONT boldFont_ = nullptr;
    std::vector<HFONT> ownFonts_;
    std::map<std::string, std::unique_ptr<TSkinControl>, std::less<>> controls_;
};
