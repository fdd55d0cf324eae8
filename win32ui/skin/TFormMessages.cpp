#include "win32ui/skin/TFormMessages.h"

#include "win32ui/skin/TErrorBox.h"
#include "win32ui/skin/TFormControls.h"
#include "win32ui/skin/TOwnerDataList.h"
#include "win32ui/skin/TOwnerDraw.h"
#include "win32ui/skin/TSkinBackground.h"
#include "win32ui/skin/TSkinResources.h"

#include <commctrl.h>
#include <windowsx.h>

namespace {

constexpr UINT pictureMoved = WM_APP + 1;
constexpr UINT pictureClicked = WM_APP + 2;

POINT pointOf(LPARAM lParam)
{
    return { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) };
}

void runWithRow(TSkinControl& list, const std::function<void(int)>& handler)
{
    int row = TOwnerDataList(list).selection();
    TErrorBox::run([&] { handler(row); });
}

} // namespace

void TFormMessages::registerClasses()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW form {};
    form.cbSize = sizeof form;
    form.lpfnWndProc = &formProcedure;
    form.hInstance = instance;
    form.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    form.lpszClassName = formClass;
    form.hIcon = loadSkinIcon("zentrel", GetSystemMetrics(SM_CXICON));
    form.hIconSm = loadSkinIcon("zentrel", GetSystemMetrics(SM_CXSMICON));
    RegisterClassExW(&form);
    WNDCLASSEXW picture {};
    picture.cbSize = sizeof picture;
    picture.lpfnWndProc = &pictureProcedure;
    picture.hInstance = instance;
    picture.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    picture.lpszClassName = pictureClass;
    RegisterClassExW(&picture);
}

TFormMessages::TFormMessages(const TWindowGeometry& table, TFormControls& controls, const TSkinBackground& background)
    : table_(table)
    , controls_(controls)
    , background_(background)
    , dragBar_(table)
{
}

void TFormMessages::detach(HWND form)
{
    SetWindowLongPtrW(form, GWLP_USERDATA, 0);
}

LRESULT CALLBACK TFormMessages::formProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* messages = static_cast<TFormMessages*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        messages->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(messages));
    }
    auto* messages = reinterpret_cast<TFormMessages*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!messages)
        return DefWindowProcW(window, message, wParam, lParam);
    return messages->handle(message, wParam, lParam);
}

LRESULT CALLBACK TFormMessages::pictureProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND parent = GetParent(window);
    auto* messages = reinterpret_cast<TFormMessages*>(GetWindowLongPtrW(parent, GWLP_USERDATA));
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        if (messages)
            if (const TSkinControl* picture = messages->controls_.byWindow(window))
                TOwnerDraw::picture(*picture, messages->background_, dc);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEMOVE:
        SendMessageW(parent, pictureMoved, 0, reinterpret_cast<LPARAM>(window));
        return 0;
    case WM_LBUTTONUP: {
        RECT client {};
        GetClientRect(window, &client);
        POINT at = pointOf(lParam);
        if (PtInRect(&client, at))
            PostMessageW(parent, pictureClicked, 0, reinterpret_cast<LPARAM>(window));
        return 0;
    }
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT TFormMessages::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        if (background_.drawn())
            return 1;
        break;
    case WM_COMMAND:
        command(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case DM_GETDEFID:
        return defaultButton();
    case WM_NOTIFY:
        if (auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(lParam); draw->hdr.code == NM_CUSTOMDRAW)
            if (TSkinControl* control = controls_.byWindow(draw->hdr.hwndFrom);
                control && control->geometry->kind == TControlKind::CheckBox)
                return checkBoxFocus(*draw);
        break;
    case WM_DRAWITEM:
        drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (TSkinControl* control = controls_.byWindow(reinterpret_cast<HWND>(lParam)))
            if (HBRUSH brush = background_.colourFor(reinterpret_cast<HDC>(wParam), *control))
                return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        mouseDown(pointOf(lParam));
        return 0;
    case WM_MOUSEMOVE:
        mouseMove(pointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        mouseUp(message, pointOf(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        dragBar_.lost();
        return 0;
    case pictureMoved:
        if (TSkinControl* control = controls_.byWindow(reinterpret_cast<HWND>(lParam)); control && control->move)
            TErrorBox::run(control->move);
        return 0;
    case pictureClicked:
        if (TSkinControl* control = controls_.byWindow(reinterpret_cast<HWND>(lParam)); control && control->click)
            TErrorBox::run(control->click);
        return 0;
    case WM_ACTIVATE:
        activate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_CLOSE:
        close();
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void TFormMessages::paint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    if (background_.drawn()) {
        RECT& area = paint.rcPaint;
        background_.paint(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, area.left, area.top);
    }
    EndPaint(window_, &paint);
}

bool TFormMessages::preTranslate(MSG& message)
{
    if (message.message == WM_KEYDOWN && (message.wParam == VK_RETURN || message.wParam == VK_SPACE))
        if (TSkinControl* list = controls_.byWindow(message.hwnd); list && list->enter) {
            runWithRow(*list, list->enter);
            return true;
        }
    return IsDialogMessageW(window_, &message) != FALSE;
}

void TFormMessages::press(const char* buttonName)
{
    if (!*buttonName)
        return;
    TSkinControl& button = controls_.find(buttonName);
    if (button.window && IsWindowEnabled(button.window) && IsWindowVisible(button.window) && button.click)
        TErrorBox::run(button.click);
}

void TFormMessages::command(int id, int code)
{
    if (id == IDCANCEL) {
        press(table_.cancelButton);
        return;
    }
    if (id == IDOK) {
        press(table_.defaultButton);
        return;
    }
    TSkinControl* control = controls_.byId(id);
    if (!control)
        return;
    switch (control->geometry->kind) {
    case TControlKind::ListBox:
        if (code == LBN_SELCHANGE && control->select)
            runWithRow(*control, control->select);
        else if (code == LBN_DBLCLK && control->doubleClick)
            runWithRow(*control, control->doubleClick);
        break;
    case TControlKind::BitmapButton:
    case TControlKind::PushButton:
    case TControlKind::CheckBox:
        if (code == BN_CLICKED && control->click)
            TErrorBox::run(control->click);
        break;
    default:
        break;
    }
}

// Enter presses the window's default button; in a window without one, the focused button.
LRESULT TFormMessages::defaultButton()
{
    if (*table_.defaultButton)
        if (TSkinControl& button = controls_.find(table_.defaultButton); button.window)
            return MAKELRESULT(button.id, DC_HASDEFID);
    if (TSkinControl* focused = controls_.byWindow(GetFocus())) {
        TControlKind kind = focused->geometry->kind;
        if (kind == TControlKind::BitmapButton || kind == TControlKind::PushButton)
            return MAKELRESULT(focused->id, DC_HASDEFID);
    }
    return 0;
}

// A check box shows only its box, so its focus is drawn around the box.
LRESULT TFormMessages::checkBoxFocus(const NMCUSTOMDRAW& draw)
{
    if (draw.dwDrawStage == CDDS_PREPAINT)
        return CDRF_NOTIFYPOSTPAINT;
    if (draw.dwDrawStage == CDDS_POSTPAINT && (draw.uItemState & CDIS_FOCUS)
        && !(SendMessageW(draw.hdr.hwndFrom, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS))
        DrawFocusRect(draw.hdc, &draw.rc);
    return CDRF_DODEFAULT;
}

void TFormMessages::drawItem(const DRAWITEMSTRUCT& item)
{
    TSkinControl* control = controls_.byWindow(item.hwndItem);
    if (!control)
        return;
    if (item.CtlType == ODT_BUTTON)
        TOwnerDraw::button(*control, item);
    else if (item.CtlType == ODT_LISTBOX)
        TOwnerDraw::listItem(*control, item);
}

void TFormMessages::mouseDown(POINT at)
{
    dragBar_.press(window_, at);
}

void TFormMessages::mouseMove(POINT at)
{
    if (dragBar_.follow(window_) || dragBar_.contains(at))
        return;
    for (TSkinControl* background : controls_.backgrounds())
        if (background->move)
            TErrorBox::run(background->move);
}

void TFormMessages::mouseUp(UINT message, POINT at)
{
    dragBar_.release(window_);
    if (message != WM_LBUTTONUP || dragBar_.contains(at))
        return;
    for (TSkinControl* background : controls_.backgrounds())
        if (background->click)
            TErrorBox::run(background->click);
}

// The focus comes back to the control that had it when the window was left.
void TFormMessages::activate(bool active)
{
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(window_, focus))
            lastFocus_ = focus;
        return;
    }
    HWND focus = lastFocus_ && IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_)
        ? lastFocus_
        : GetNextDlgTabItem(window_, nullptr, FALSE);
    // Without a control to take it, the window keeps the keys itself, so Esc still works.
    SetFocus(focus ? focus : window_);
}

void TFormMessages::close()
{
    if (systemClose_)
        TErrorBox::run(systemClose_);
    else
        ShowWindow(window_, SW_HIDE);
}
