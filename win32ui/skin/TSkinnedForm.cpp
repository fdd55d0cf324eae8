#include "win32ui/skin/TSkinnedForm.h"

#include "win32ui/skin/TFormControls.h"
#include "win32ui/skin/TFormMessages.h"
#include "win32ui/skin/TOwnerDataList.h"
#include "win32ui/skin/TSkinBackground.h"
#include "win32ui/skin/TSkinResources.h"
#include "win32ui/skin/TWideText.h"

#include <stdexcept>

namespace {

DWORD styleFor(TFrame frame)
{
    switch (frame) {
    case TFrame::Skinned:
        return WS_POPUP | WS_CLIPCHILDREN;
    case TFrame::Dialog:
    case TFrame::ToolWindow:
        return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    case TFrame::ToolWindowSizeable:
        return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
    }
    return WS_POPUP;
}

DWORD extendedStyleFor(TFrame frame)
{
    switch (frame) {
    case TFrame::Dialog:
        return WS_EX_DLGMODALFRAME;
    case TFrame::ToolWindow:
    case TFrame::ToolWindowSizeable:
        return WS_EX_TOOLWINDOW;
    case TFrame::Skinned:
        break;
    }
    return 0;
}

} // namespace

TSkinnedForm::TSkinnedForm(const TWindowGeometry& table, HWND owner)
    : table_(table)
    , owner_(owner)
    , controls_(std::make_unique<TFormControls>(table))
    , background_(std::make_unique<TSkinBackground>(table))
    , messages_(std::make_unique<TFormMessages>(table, *controls_, *background_))
{
    TFormMessages::registerClasses();
    RECT frame { 0, 0, table.width, table.height };
    AdjustWindowRectEx(&frame, styleFor(table.frame), FALSE, extendedStyleFor(table.frame));
    window_ = CreateWindowExW(extendedStyleFor(table.frame), TFormMessages::formClass, fromUtf8(table.caption).c_str(),
        styleFor(table.frame), table.left, table.top, frame.right - frame.left, frame.bottom - frame.top, owner,
        nullptr, GetModuleHandleW(nullptr), messages_->creationParameter());
    if (!window_)
        throw std::runtime_error(std::string("Cannot create the window ") + table.name);
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(controls_->font()), FALSE);
    controls_->create(window_, TFormMessages::pictureClass);
}

TSkinnedForm::~TSkinnedForm()
{
    if (window_) {
        TFormMessages::detach(window_);
        DestroyWindow(window_);
    }
}

TSkinControl& TSkinnedForm::find(std::string_view name) const
{
    return controls_->find(name);
}

HWND TSkinnedForm::control(std::string_view name) const
{
    return find(name).window;
}

void TSkinnedForm::showWindow()
{
    if (owner_ && IsIconic(owner_))
        ShowWindow(owner_, SW_RESTORE);
    if (IsIconic(window_))
        ShowWindow(window_, SW_RESTORE);
    ShowWindow(window_, SW_SHOW);
    BringWindowToTop(window_);
    SetForegroundWindow(window_);
    shown();
}

void TSkinnedForm::hideWindow()
{
    ShowWindow(window_, SW_HIDE);
}

bool TSkinnedForm::isVisible() const
{
    return IsWindowVisible(window_) != FALSE;
}

void TSkinnedForm::open()
{
    showWindow();
}

void TSkinnedForm::leave()
{
    hideWindow();
}

bool TSkinnedForm::preTranslate(MSG& message)
{
    return messages_->preTranslate(message);
}

void TSkinnedForm::onClick(std::string_view name, std::function<void()> handler)
{
    find(name).click = std::move(handler);
}

void TSkinnedForm::onMouseMove(std::string_view name, std::function<void()> handler)
{
    find(name).move = std::move(handler);
}

void TSkinnedForm::onSelect(std::string_view list, std::function<void(int)> handler)
{
    find(list).select = std::move(handler);
}

void TSkinnedForm::onDoubleClick(std::string_view list, std::function<void(int)> handler)
{
    find(list).doubleClick = std::move(handler);
}

void TSkinnedForm::onEnter(std::string_view list, std::function<void(int)> handler)
{
    find(list).enter = std::move(handler);
}

void TSkinnedForm::onSystemClose(std::function<void()> handler)
{
    messages_->onSystemClose(std::move(handler));
}

bool TSkinnedForm::isChecked(std::string_view box) const
{
    return SendMessageW(find(box).window, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TSkinnedForm::setChecked(std::string_view box, bool checked)
{
    SendMessageW(find(box).window, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::string TSkinnedForm::text(std::string_view name) const
{
    HWND window = find(name).window;
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    std::string ansi;
    tryToAnsi(text, ansi);
    return ansi;
}

void TSkinnedForm::setText(std::string_view name, const std::string& text)
{
    setWideText(find(name), fromAnsi(text));
}

void TSkinnedForm::setTextUtf8(std::string_view name, const std::string& text)
{
    setWideText(find(name), fromUtf8(text));
}

void TSkinnedForm::setWideText(const TSkinControl& control, std::wstring text)
{
    if (control.geometry->kind == TControlKind::Memo) {
        std::wstring lines;
        for (wchar_t c : text) {
            if (c == L'\n' && (lines.empty() || lines.back() != L'\r'))
                lines += L'\r';
            lines += c;
        }
        text = std::move(lines);
    }
    SetWindowTextW(control.window, text.c_str());
}

void TSkinnedForm::setEnabled(std::string_view name, bool enabled)
{
    EnableWindow(find(name).window, enabled);
}

bool TSkinnedForm::isEnabled(std::string_view name) const
{
    return IsWindowEnabled(find(name).window) != FALSE;
}

void TSkinnedForm::setVisible(std::string_view name, bool visible)
{
    TSkinControl& control = find(name);
    control.shown = visible;
    if (control.window)
        ShowWindow(control.window, visible ? SW_SHOWNA : SW_HIDE);
}

bool TSkinnedForm::isShown(std::string_view name) const
{
    const TSkinControl& control = find(name);
    return control.window ? (GetWindowLongPtrW(control.window, GWL_STYLE) & WS_VISIBLE) != 0 : control.shown;
}

void TSkinnedForm::setFocus(std::string_view name)
{
    HWND control = find(name).window;
    messages_->rememberFocus(control);
    SetFocus(control);
}

void TSkinnedForm::setIcon(const char* name)
{
    if (HICON big = loadSkinIcon(name, GetSystemMetrics(SM_CXICON)))
        SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    if (HICON small = loadSkinIcon(name, GetSystemMetrics(SM_CXSMICON)))
        SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

void TSkinnedForm::setIcon(HICON icon)
{
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void TSkinnedForm::setFont(std::string_view name, const wchar_t* face, int pixelHeight, bool bold, bool underlined)
{
    controls_->setFont(find(name),
        CreateFontW(-pixelHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, underlined, FALSE, DEFAULT_CHARSET,
            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face));
}

void TSkinnedForm::setPlain(std::string_view name)
{
    HWND window = find(name).window;
    LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_VSCROLL | WS_HSCROLL);
    LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE);
    SetWindowLongPtrW(window, GWL_STYLE, style);
    SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle);
    ShowScrollBar(window, SB_BOTH, FALSE);
    SetWindowPos(
        window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TSkinnedForm::setItemHeight(std::string_view list, int height)
{
    TOwnerDataList(find(list)).setItemHeight(height);
}

void TSkinnedForm::setCentredItems(std::string_view list)
{
    find(list).centredItems = true;
}

std::string TSkinnedForm::centred(std::string_view name, const std::string& text) const
{
    const TSkinControl& control = find(name);
    RECT client {};
    GetClientRect(control.window, &client);
    std::wstring wide = fromAnsi(text);
    HDC dc = GetDC(control.window);
    HGDIOBJ old = SelectObject(dc, control.font);
    SIZE words {}, blank {};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &words);
    GetTextExtentPoint32W(dc, L" ", 1, &blank);
    SelectObject(dc, old);
    ReleaseDC(control.window, dc);
    int room = client.right - 8 - words.cx;
    if (text.empty() || blank.cx <= 0 || room <= 0)
        return text;
    return std::string(static_cast<size_t>(room / 2 / blank.cx), ' ') + text;
}

void TSkinnedForm::setItems(std::string_view list, std::vector<std::string> items)
{
    TOwnerDataList(find(list)).setItems(items);
}

int TSkinnedForm::itemCount(std::string_view list) const
{
    return TOwnerDataList(find(list)).count();
}

std::string TSkinnedForm::item(std::string_view list, int row) const
{
    return TOwnerDataList(find(list)).item(row);
}

int TSkinnedForm::selection(std::string_view list) const
{
    return TOwnerDataList(find(list)).selection();
}

void TSkinnedForm::setSelection(std::string_view list, int row)
{
    TOwnerDataList(find(list)).select(row);
}

void TSkinnedForm::setPicture(
    std::string_view picture, const std::uint32_t* pixels, int width, int height, int x, int y, int w, int h)
{
    TSkinControl& control = find(picture);
    control.pixels.assign(pixels, pixels + static_cast<size_t>(width) * static_cast<size_t>(height));
    control.pixelWidth = width;
    control.pixelHeight = height;
    control.placed = { x, y, x + w, y + h };
    InvalidateRect(control.window, nullptr, FALSE);
}

void TSkinnedForm::clearPicture(std::string_view picture)
{
    TSkinControl& control = find(picture);
    control.pixels.clear();
    control.pixelWidth = control.pixelHeight = 0;
    InvalidateRect(control.window, nullptr, FALSE);
}
