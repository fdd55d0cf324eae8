#pragma once

#include "shell/skin/TWindowGeometry.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

class TFormControls;
class TFormMessages;
class TSkinBackground;
struct TSkinControl;

// The base of every window on Windows: builds the controls of its geometry table (in table order,
// which is the drawing order), places the window at its designed position and runs every handler
// inside the error box. Windows only look up their controls by name and forward events.
class TSkinnedForm {
public:
    // Created hidden, owned by `owner` (the program's taskbar window).
    TSkinnedForm(const TWindowGeometry& table, HWND owner);
    virtual ~TSkinnedForm();
    TSkinnedForm(const TSkinnedForm&) = delete;
    TSkinnedForm& operator=(const TSkinnedForm&) = delete;

    const TWindowGeometry& table() const { return table_; }
    HWND handle() const { return window_; }
    // The control's window; nullptr for the background and the drag bar, which have none. Throws
    // when the table has no such control.
    HWND control(std::string_view name) const;

    // Visible, restored and in front, where it was last left.
    void showWindow();
    void hideWindow();
    bool isVisible() const;

    // Opened from the Control Center; the default only shows the window.
    virtual void open();
    // Left without saving (close box, a confirmed Cancel); the default only hides the window.
    virtual void leave();

    // Buttons and check boxes: a click by mouse or keyboard (a check box has changed already);
    // pictures and the background: a left-button click.
    void onClick(std::string_view name, std::function<void()> handler);
    // Pictures and the background: pointer movement over them, button held or not.
    void onMouseMove(std::string_view name, std::function<void()> handler);
    // Lists: the user changed the selection (-1: none) or double-clicked an entry.
    void onSelect(std::string_view list, std::function<void(int row)> handler);
    void onDoubleClick(std::string_view list, std::function<void(int row)> handler);
    // Lists: Enter or Space while the list has the focus.
    void onEnter(std::string_view list, std::function<void(int row)> handler);
    // Closing the window through the system; without a handler the window only hides.
    void onSystemClose(std::function<void()> handler);

    bool isChecked(std::string_view box) const;
    void setChecked(std::string_view box, bool checked);
    // Edits, memos, labels: the core's 8-bit text; a memo's lines are split at "\n".
    std::string text(std::string_view name) const;
    void setText(std::string_view name, const std::string& text);
    void setEnabled(std::string_view name, bool enabled);
    bool isEnabled(std::string_view name) const;
    void setVisible(std::string_view name, bool visible);
    bool isShown(std::string_view name) const;
    void setFocus(std::string_view name);
    // The window's icon: "zentrel", "help" or "gfx".
    void setIcon(const char* name);
    void setIcon(HICON icon);
    // Edits, memos, labels: text of the program's own (UTF-8), such as the help texts.
    void setTextUtf8(std::string_view name, const std::string& text);
    // A face of its own for one control (lists draw their entries in it).
    void setFont(std::string_view name, const wchar_t* face, int pixelHeight, bool bold, bool underlined);
    // No sunken border and no scroll bars.
    void setPlain(std::string_view name);
    void setItemHeight(std::string_view list, int height);
    // Entries drawn centred in the list's width.
    void setCentredItems(std::string_view list);

    // Lists hold their entries themselves and draw only what shows, so a long list is no slower.
    void setItems(std::string_view list, std::vector<std::string> items);
    int itemCount(std::string_view list) const;
    std::string item(std::string_view list, int row) const;
    int selection(std::string_view list) const;
    // -1 clears it; the entry is scrolled into view. Calls no handler.
    void setSelection(std::string_view list, int row);

    // Pixels 0xAARRGGBB, top row first, drawn stretched into x, y, w, h of the picture; the rest
    // shows the window's background.
    void setPicture(
        std::string_view picture, const std::uint32_t* pixels, int width, int height, int x, int y, int w, int h);
    void clearPicture(std::string_view picture);

    // Leading blanks that centre `text` in the control's width, in the control's face.
    std::string centred(std::string_view name, const std::string& text) const;

    // The message loop hands every message for this window or its controls here first.
    bool preTranslate(MSG& message);

protected:
    // Called by showWindow once the window shows.
    virtual void shown() { }

private:
    TSkinControl& find(std::string_view name) const;
    void setWideText(const TSkinControl& control, std::wstring text);

    const TWindowGeometry& table_;
    HWND owner_;
    std::unique_ptr<TFormControls> controls_;
    std::unique_ptr<TSkinBackground> background_;
    std::unique_ptr<TFormMessages> messages_;
    HWND window_ = nullptr;
};
