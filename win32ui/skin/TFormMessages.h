#pragma once

#include "shell/skin/TWindowGeometry.h"
#include "win32ui/skin/TDragBar.h"

#include <commctrl.h>
#include <functional>
#include <windows.h>

class TFormControls;
class TSkinBackground;
struct TSkinControl;

// The window procedures of a skinned form and of its pictures: painting, the owner-drawn faces,
// clicks, keys, the drag bar, the focus kept over deactivation, and closing. Every handler runs
// inside the error box.
class TFormMessages {
public:
    static constexpr wchar_t formClass[] = L"ZentrelForm";
    static constexpr wchar_t pictureClass[] = L"ZentrelPicture";
    // Once per program, before the first form.
    static void registerClasses();

    TFormMessages(const TWindowGeometry& table, TFormControls& controls, const TSkinBackground& background);

    // The creation parameter of the form's window; its messages come here from then on.
    void* creationParameter() { return this; }
    // The window is going: its messages go nowhere from now on.
    static void detach(HWND form);

    // Keys the message loop hands over first: Enter and Space on a list with an Enter handler,
    // then the dialog keys (Tab, Esc, Enter, mnemonics). True when taken.
    bool preTranslate(MSG& message);
    // The control that gets the focus back when the window is activated again.
    void rememberFocus(HWND control) { lastFocus_ = control; }
    void onSystemClose(std::function<void()> handler) { systemClose_ = std::move(handler); }

private:
    static LRESULT CALLBACK formProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK pictureProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void paint();
    void command(int id, int code);
    void press(const char* buttonName);
    LRESULT defaultButton();
    LRESULT checkBoxFocus(const NMCUSTOMDRAW& draw);
    void drawItem(const DRAWITEMSTRUCT& item);
    void mouseDown(POINT at);
    void mouseMove(POINT at);
    void mouseUp(UINT message, POINT at);
    void activate(bool active);
    void close();

    const TWindowGeometry& table_;
    TFormControls& controls_;
    const TSkinBackground& background_;
    HWND window_ = nullptr;
    HWND lastFocus_ = nullptr;
    TDragBar dragBar_;
    std::function<void()> systemClose_;
};
