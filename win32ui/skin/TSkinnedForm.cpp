#include "win32ui/skin/TSkinnedForm.h"

#include "shell/skin/TAccessibleName.h"
#include "win32ui/skin/TErrorBox.h"
#include "win32ui/skin/TSkinResources.h"
#include "win32ui/skin/TWideText.h"

#include <algorithm>
#include <commctrl.h>
#include <stdexcept>
#include <windowsx.h>

namespace {

constexpr wchar_t formClass[] = L"ZentrelForm";
constexpr wchar_t pictureClass[] = L"ZentrelPicture";
constexpr UINT pictureMoved = WM_APP + 1;
constexpr UINT pictureClicked = WM_APP + 2;
constexpr int firstControlId = 100;

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

HFONT makeFont(int pixels, bool bold)
{
    return CreateFontW(pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
}

int pointsToPixels(int points)
{
    HDC screen = GetDC(nullptr);
    int pixels = MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return pixels;
}

void registerClasses(WNDPROC formProcedure, WNDPROC pictureProcedure)
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW form {};
    form.cbSize = sizeof form;
    form.lpfnWndProc = formProcedure;
    form.hInstance = instance;
    form.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    form.lpszClassName = formClass;
    form.hIcon = loadSkinIcon("zentrel", GetSystemMetrics(SM_CXICON));
    form.hIconSm = loadSkinIcon("zentrel", GetSystemMetrics(SM_CXSMICON));
    RegisterClassExW(&form);
    WNDCLASSEXW picture {};
    picture.cbSize = sizeof picture;
    picture.lpfnWndProc = pictureProcedure;
    picture.hInstance = instance;
    picture.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    picture.lpszClassName = pictureClass;
    RegisterClassExW(&picture);
}

SIZE bitmapSize(HBITMAP bitmap)
{
    BITMAP info {};
    if (bitmap)
        GetObjectW(bitmap, sizeof info, &info);
    return { info.bmWidth, info.bmHeight };
}

std::wstring spokenName(const TWindowGeometry& window, const TControlGeometry& control)
{
    std::wstring name;
    for (wchar_t c : fromUtf8(accessibleName(window, control))) {
        if (c == L'&')
            name += L'&';
        name += c;
    }
    return name;
}

void drawBitmap(HDC dc, HBITMAP bitmap, int x, int y, int w, int h, int fromX, int fromY)
{
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(dc, x, y, w, h, memory, fromX, fromY, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

} // namespace

struct TSkinnedForm::Control {
    const TControlGeometry* geometry = nullptr;
    HWND window = nullptr;
    int id = 0;
    HBITMAP bitmap = nullptr; // a button's glyph strip or a picture's own drawing
    std::vector<std::wstring> items; // a list's entries
    std::vector<std::uint32_t> pixels; // a picture shown by setPicture
    int pixelWidth = 0, pixelHeight = 0;
    HFONT font = nullptr; // the form's unless set
    bool centredItems = false;
    RECT placed {};
    std::function<void()> click;
    std::function<void()> move;
    std::function<void(int)> select;
    std::function<void(int)> doubleClick;
    std::function<void(int)> enter;
    bool shown = true; // the background and the drag bar have no window to ask
};

TSkinnedForm::TSkinnedForm(const TWindowGeometry& table, HWND owner)
    : table_(table)
    , owner_(owner)
{
    registerClasses(&formProcedure, &pictureProcedure);
    font_ = makeFont(-pointsToPixels(8), false);
    boldFont_ = makeFont(-16, true);
    RECT frame { 0, 0, table.width, table.height };
    AdjustWindowRectEx(&frame, styleFor(table.frame), FALSE, extendedStyleFor(table.frame));
    window_ = CreateWindowExW(extendedStyleFor(table.frame), formClass, fromUtf8(table.caption).c_str(),
        styleFor(table.frame), table.left, table.top, frame.right - frame.left, frame.bottom - frame.top, owner,
        nullptr, GetModuleHandleW(nullptr), this);
    if (!window_)
        throw std::runtime_error(std::string("Cannot create the window ") + table.name);
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, GetModuleHandleW(nullptr),
        nullptr);
    int id = firstControlId;
    for (const TControlGeometry& control : table.controls)
        createControl(control, id++);
    applyTabOrder();
}

TSkinnedForm::~TSkinnedForm()
{
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    for (auto& [name, control] : controls_)
        if (control->bitmap)
            DeleteObject(control->bitmap);
    for (HFONT font : ownFonts_)
        DeleteObject(font);
    for (HGDIOBJ object : { static_cast<HGDIOBJ>(background_), static_cast<HGDIOBJ>(backgroundBrush_),
             static_cast<HGDIOBJ>(font_), static_cast<HGDIOBJ>(boldFont_) })
        if (object)
            DeleteObject(object);
}

void TSkinnedForm::createControl(const TControlGeometry& geometry, int id)
{
    auto control = std::make_unique<Control>();
    control->geometry = &geometry;
    control->id = id;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    auto child = [&](DWORD exStyle, const wchar_t* windowClass, const std::wstring& text, DWORD style) {
        HWND made = CreateWindowExW(exStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
            geometry.x, geometry.y, geometry.w, geometry.h, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
            instance, nullptr);
        SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        return made;
    };
    switch (geometry.kind) {
    case TControlKind::Background:
        background_ = loadSkinBitmap(backgroundResource(table_));
        if (background_)
            backgroundBrush_ = CreatePatternBrush(background_);
        break;
    case TControlKind::DragBar:
        dragBar_ = &geometry;
        break;
    case TControlKind::Picture:
        if (geometry.glyph != TGlyph::None)
            control->bitmap = loadSkinBitmap(pictureResource(table_, geometry));
        control->window = child(0, pictureClass, L"", 0);
        break;
    case TControlKind::BitmapButton:
        control->bitmap = loadSkinBitmap(pictureResource(table_, geometry));
        // The face is drawn, so the text is only what screen readers announce; "&" is doubled so
        // that it makes no mnemonic.
        control->window = child(0, L"BUTTON", spokenName(table_, geometry), BS_OWNERDRAW);
        break;
    case TControlKind::ListBox:
        control->window = child(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
            LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_NODATA | LBS_OWNERDRAWFIXED | WS_VSCROLL | WS_HSCROLL);
        break;
    case TControlKind::Edit:
        control->window = child(WS_EX_CLIENTEDGE, L"EDIT", fromAnsi(geometry.caption), ES_READONLY | ES_AUTOHSCROLL);
        break;
    case TControlKind::CheckBox:
        // Only the box shows; the caption stays the window text for its mnemonic.
        control->window = child(0, L"BUTTON", fromUtf8(geometry.caption), BS_AUTOCHECKBOX);
        break;
    case TControlKind::Memo:
        control->window = child(WS_EX_CLIENTEDGE, L"EDIT", L"",
            ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL);
        break;
    case TControlKind::PushButton:
        control->window = child(0, L"BUTTON", fromUtf8(geometry.caption), BS_PUSHBUTTON);
        break;
    case TControlKind::Label:
        control->window = child(0, L"STATIC", fromUtf8(geometry.caption), SS_LEFT | SS_NOPREFIX);
        if (geometry.style == TTextStyle::Bold)
            SendMessageW(control->window, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_), FALSE);
        break;
    case TControlKind::Text:
    case TControlKind::Well:
    case TControlKind::WhiteArea:
    case TControlKind::Emblem:
        return; // painted into the background
    }
    if (geometry.kind == TControlKind::ListBox) {
        TEXTMETRICW metrics {};
        HDC dc = GetDC(control->window);
        HGDIOBJ old = SelectObject(dc, font_);
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, old);
        ReleaseDC(control->window, dc);
        SendMessageW(control->window, LB_SETITEMHEIGHT, 0, metrics.tmHeight + 1);
    }
    if (control->window && *geometry.hint && tooltip_) {
        std::wstring hint = fromUtf8(geometry.hint);
        TOOLINFOW tool {};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(control->window);
        tool.lpszText = hint.data();
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    controls_.emplace(geometry.name, std::move(control));
}

// Tab follows the table's order; every control is a group of its own so that the arrow keys stay
// with lists and edits rather than moving the focus.
void TSkinnedForm::applyTabOrder()
{
    std::vector<const Control*> order;
    for (auto& [name, control] : controls_) {
        if (!control->window)
            continue;
        LONG_PTR style = GetWindowLongPtrW(control->window, GWL_STYLE) | WS_GROUP;
        if (control->geometry->tabOrder >= 0) {
            style |= WS_TABSTOP;
            order.push_back(control.get());
        } else {
            style &= ~static_cast<LONG_PTR>(WS_TABSTOP);
        }
        SetWindowLongPtrW(control->window, GWL_STYLE, style);
    }
    std::stable_sort(order.begin(), order.end(),
        [](const Control* a, const Control* b) { return a->geometry->tabOrder < b->geometry->tabOrder; });
    HWND after = HWND_TOP;
    for (const Control* control : order) {
        SetWindowPos(control->window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = control->window;
    }
}

TSkinnedForm::Control& TSkinnedForm::find(std::string_view name) const
{
    auto found = controls_.find(name);
    if (found == controls_.end())
        throw std::logic_error(std::string(table_.name) + " has no control " + std::string(name));
    return *found->second;
}

TSkinnedForm::Control* TSkinnedForm::byWindow(HWND window) const
{
    for (auto& [name, control] : controls_)
        if (control->window == window)
            return control.get();
    return nullptr;
}

TSkinnedForm::Control* TSkinnedForm::byId(int id) const
{
    for (auto& [name, control] : controls_)
        if (control->id == id)
            return control.get();
    return nullptr;
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
    systemClose_ = std::move(handler);
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
    const Control& control = find(name);
    setWideText(control, fromAnsi(text));
}

void TSkinnedForm::setTextUtf8(std::string_view name, const std::string& text)
{
    const Control& control = find(name);
    setWideText(control, fromUtf8(text));
}

void TSkinnedForm::setWideText(const Control& control, std::wstring text)
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
    Control& control = find(name);
    control.shown = visible;
    if (control.window)
        ShowWindow(control.window, visible ? SW_SHOWNA : SW_HIDE);
}

bool TSkinnedForm::isShown(std::string_view name) const
{
    const Control& control = find(name);
    return control.window ? (GetWindowLongPtrW(control.window, GWL_STYLE) & WS_VISIBLE) != 0 : control.shown;
}

void TSkinnedForm::setFocus(std::string_view name)
{
    lastFocus_ = find(name).window;
    SetFocus(lastFocus_);
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
    Control& control = find(name);
    HFONT font = CreateFontW(-pixelHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, underlined, FALSE,
        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
    ownFonts_.push_back(font);
    control.font = font;
    SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

HFONT TSkinnedForm::fontOf(const Control& control) const
{
    return control.font ? control.font : font_;
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
    SendMessageW(find(list).window, LB_SETITEMHEIGHT, 0, height);
}

void TSkinnedForm::setCentredItems(std::string_view list)
{
    find(list).centredItems = true;
}

std::string TSkinnedForm::centred(std::string_view name, const std::string& text) const
{
    const Control& control = find(name);
    RECT client {};
    GetClientRect(control.window, &client);
    std::wstring wide = fromAnsi(text);
    HDC dc = GetDC(control.window);
    HGDIOBJ old = SelectObject(dc, fontOf(control));
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
    Control& control = find(list);
    control.items.clear();
    control.items.reserve(items.size());
    for (const std::string& item : items)
        control.items.push_back(fromAnsi(item));
    SendMessageW(control.window, WM_SETREDRAW, FALSE, 0);
    SendMessageW(control.window, LB_SETCOUNT, control.items.size(), 0);
    if (GetWindowLongPtrW(control.window, GWL_STYLE) & WS_HSCROLL)
        SendMessageW(control.window, LB_SETHORIZONTALEXTENT, widestItem(control) + 6, 0);
    SendMessageW(control.window, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SendMessageW(control.window, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(control.window, nullptr, TRUE);
}

// Only the longest entries are measured: in a long list, measuring every one would take longer
// than everything else together.
int TSkinnedForm::widestItem(const Control& control) const
{
    constexpr size_t measured = 64;
    std::vector<const std::wstring*> longest;
    longest.reserve(control.items.size());
    for (const std::wstring& item : control.items)
        longest.push_back(&item);
    auto longer = [](const std::wstring* a, const std::wstring* b) { return a->size() > b->size(); };
    if (longest.size() > measured) {
        std::nth_element(longest.begin(), longest.begin() + measured, longest.end(), longer);
        longest.resize(measured);
    }
    int widest = 0;
    HDC dc = GetDC(control.window);
    HGDIOBJ old = SelectObject(dc, fontOf(control));
    for (const std::wstring* item : longest) {
        SIZE size {};
        GetTextExtentPoint32W(dc, item->c_str(), static_cast<int>(item->size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    SelectObject(dc, old);
    ReleaseDC(control.window, dc);
    return widest;
}

int TSkinnedForm::itemCount(std::string_view list) const
{
    return static_cast<int>(find(list).items.size());
}

std::string TSkinnedForm::item(std::string_view list, int row) const
{
    const Control& control = find(list);
    if (row < 0 || row >= static_cast<int>(control.items.size()))
        return {};
    std::string ansi;
    tryToAnsi(control.items[static_cast<size_t>(row)], ansi);
    return ansi;
}

int TSkinnedForm::selection(std::string_view list) const
{
    LRESULT row = SendMessageW(find(list).window, LB_GETCURSEL, 0, 0);
    return row == LB_ERR ? -1 : static_cast<int>(row);
}

void TSkinnedForm::setSelection(std::string_view list, int row)
{
    const Control& control = find(list);
    if (row < 0 || row >= static_cast<int>(control.items.size()))
        row = -1;
    SendMessageW(control.window, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

void TSkinnedForm::setPicture(
    std::string_view picture, const std::uint32_t* pixels, int width, int height, int x, int y, int w, int h)
{
    Control& control = find(picture);
    control.pixels.assign(pixels, pixels + static_cast<size_t>(width) * static_cast<size_t>(height));
    control.pixelWidth = width;
    control.pixelHeight = height;
    control.placed = { x, y, x + w, y + h };
    InvalidateRect(control.window, nullptr, FALSE);
}

void TSkinnedForm::clearPicture(std::string_view picture)
{
    Control& control = find(picture);
    control.pixels.clear();
    control.pixelWidth = control.pixelHeight = 0;
    InvalidateRect(control.window, nullptr, FALSE);
}

bool TSkinnedForm::preTranslate(MSG& message)
{
    if (message.message == WM_KEYDOWN && (message.wParam == VK_RETURN || message.wParam == VK_SPACE))
        if (Control* list = byWindow(message.hwnd); list && list->enter) {
            int row = selection(list->geometry->name);
            TErrorBox::run([&] { list->enter(row); });
            return true;
        }
    return IsDialogMessageW(window_, &message) != FALSE;
}

void TSkinnedForm::press(const char* buttonName)
{
    if (!*buttonName)
        return;
    Control& button = find(buttonName);
    if (button.window && IsWindowEnabled(button.window) && IsWindowVisible(button.window) && button.click)
        TErrorBox::run(button.click);
}

void TSkinnedForm::command(int id, int code, HWND)
{
    if (id == IDCANCEL) {
        press(table_.cancelButton);
        return;
    }
    if (id == IDOK) {
        press(table_.defaultButton);
        return;
    }
    Control* control = byId(id);
    if (!control)
        return;
    switch (control->geometry->kind) {
    case TControlKind::ListBox:
        if (code == LBN_SELCHANGE && control->select) {
            int row = selection(control->geometry->name);
            TErrorBox::run([&] { control->select(row); });
        } else if (code == LBN_DBLCLK && control->doubleClick) {
            int row = selection(control->geometry->name);
            TErrorBox::run([&] { control->doubleClick(row); });
        }
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

void TSkinnedForm::drawItem(const DRAWITEMSTRUCT& item)
{
    Control* control = byWindow(item.hwndItem);
    if (!control)
        return;
    if (item.CtlType == ODT_BUTTON)
        drawButton(*control, item);
    else if (item.CtlType == ODT_LISTBOX)
        drawListItem(*control, item);
}

void TSkinnedForm::drawButton(const Control& control, const DRAWITEMSTRUCT& item)
{
    RECT area = item.rcItem;
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    if (control.bitmap) {
        int frame = (item.itemState & ODS_DISABLED) ? 1 : (item.itemState & ODS_SELECTED) ? 2 : 0;
        SIZE strip = bitmapSize(control.bitmap);
        drawBitmap(item.hDC, control.bitmap, 0, 0, width, height, frame * (strip.cx / 3), 0);
    } else {
        // Never an invisible button, even without its artwork.
        DrawFrameControl(
            item.hDC, &area, DFC_BUTTON, DFCS_BUTTONPUSH | ((item.itemState & ODS_SELECTED) ? DFCS_PUSHED : 0));
    }
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT) && width > 8 && height > 8) {
        RECT focus { area.left + 3, area.top + 3, area.right - 3, area.bottom - 3 };
        DrawFocusRect(item.hDC, &focus);
    }
}

void TSkinnedForm::drawListItem(const Control& control, const DRAWITEMSTRUCT& item)
{
    RECT area = item.rcItem;
    bool cue = !(item.itemState & ODS_NOFOCUSRECT);
    if (item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
        if (item.itemID != static_cast<UINT>(-1) && item.itemID < control.items.size()) {
            bool selected = (item.itemState & ODS_SELECTED) != 0;
            FillRect(item.hDC, &area, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
            SetBkMode(item.hDC, TRANSPARENT);
            SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
            HGDIOBJ old = SelectObject(item.hDC, fontOf(control));
            const std::wstring& text = control.items[item.itemID];
            RECT words { area.left + 2, area.top, area.right, area.bottom };
            DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &words,
                DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER | (control.centredItems ? DT_CENTER : DT_LEFT));
            SelectObject(item.hDC, old);
        }
        if (cue && (item.itemState & ODS_FOCUS))
            DrawFocusRect(item.hDC, &area);
    } else if (cue && (item.itemAction & ODA_FOCUS)) {
        // Drawn by inverting: the same call takes it away again when the focus leaves.
        DrawFocusRect(item.hDC, &area);
    }
}

void TSkinnedForm::paintBackground(HDC dc, int x, int y, int w, int h, int atX, int atY)
{
    if (background_)
        drawBitmap(dc, background_, x, y, w, h, atX, atY);
    else {
        RECT area { x, y, x + w, y + h };
        FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    }
}

void TSkinnedForm::paintPicture(HWND picture, HDC dc)
{
    Control* control = byWindow(picture);
    RECT client {};
    GetClientRect(picture, &client);
    if (!control)
        return;
    // What lies behind the picture first: the control is as transparent as its drawing.
    paintBackground(dc, 0, 0, client.right, client.bottom, control->geometry->x, control->geometry->y);
    if (control->bitmap) {
        SIZE size = bitmapSize(control->bitmap);
        drawBitmap(dc, control->bitmap, 0, 0, size.cx, size.cy, 0, 0);
    }
    if (!control->pixels.empty()) {
        BITMAPINFO info {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = control->pixelWidth;
        info.bmiHeader.biHeight = -control->pixelHeight; // top row first
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        const RECT& to = control->placed;
        StretchDIBits(dc, to.left, to.top, to.right - to.left, to.bottom - to.top, 0, 0, control->pixelWidth,
            control->pixelHeight, control->pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    }
}

// Check boxes and labels stand on the background as if they had none; edits and memos are white.
HBRUSH TSkinnedForm::colourFor(HDC dc, HWND window)
{
    Control* control = byWindow(window);
    if (!control)
        return nullptr;
    TControlKind kind = control->geometry->kind;
    if (kind == TControlKind::Edit || kind == TControlKind::Memo) {
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        return GetSysColorBrush(COLOR_WINDOW);
    }
    if (backgroundBrush_) {
        SetBkMode(dc, TRANSPARENT);
        SetBrushOrgEx(dc, -control->geometry->x, -control->geometry->y, nullptr);
        return backgroundBrush_;
    }
    return nullptr;
}

bool TSkinnedForm::onDragBar(POINT point) const
{
    return dragBar_ && point.x >= dragBar_->x && point.y >= dragBar_->y && point.x < dragBar_->x + dragBar_->w
        && point.y < dragBar_->y + dragBar_->h;
}

// The window moves by the pointer's offset from the press point, each axis on its own; a stored 0
// leaves its axis alone, as in the Qt windows.
void TSkinnedForm::dragTo()
{
    POINT pointer {};
    GetCursorPos(&pointer);
    ScreenToClient(window_, &pointer);
    int dx = press_.x != 0 ? pointer.x - press_.x : 0;
    int dy = press_.y != 0 ? pointer.y - press_.y : 0;
    if (dx == 0 && dy == 0)
        return;
    RECT frame {};
    GetWindowRect(window_, &frame);
    SetWindowPos(window_, nullptr, frame.left + dx, frame.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK TSkinnedForm::formProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* form = static_cast<TSkinnedForm*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<TSkinnedForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form)
        return DefWindowProcW(window, message, wParam, lParam);
    return form->handle(message, wParam, lParam);
}

LRESULT CALLBACK TSkinnedForm::pictureProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND parent = GetParent(window);
    auto* form = reinterpret_cast<TSkinnedForm*>(GetWindowLongPtrW(parent, GWLP_USERDATA));
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        if (form)
            form->paintPicture(window, dc);
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
        POINT at { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) };
        if (PtInRect(&client, at))
            PostMessageW(parent, pictureClicked, 0, reinterpret_cast<LPARAM>(window));
        return 0;
    }
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT TSkinnedForm::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window_, &paint);
        if (background_) {
            RECT& area = paint.rcPaint;
            paintBackground(
                dc, area.left, area.top, area.right - area.left, area.bottom - area.top, area.left, area.top);
        }
        EndPaint(window_, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        if (background_)
            return 1;
        break;
    case WM_COMMAND:
        command(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case DM_GETDEFID: {
        // Enter presses the window's default button; in a window without one, the focused button.
        if (*table_.defaultButton)
            if (Control& button = find(table_.defaultButton); button.window)
                return MAKELRESULT(button.id, DC_HASDEFID);
        if (Control* focused = byWindow(GetFocus())) {
            TControlKind kind = focused->geometry->kind;
            if (kind == TControlKind::BitmapButton || kind == TControlKind::PushButton)
                return MAKELRESULT(focused->id, DC_HASDEFID);
        }
        return 0;
    }
    case WM_NOTIFY: {
        // A check box shows only its box, so its focus is drawn around the box.
        auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(lParam);
        Control* control = byWindow(draw->hdr.hwndFrom);
        if (draw->hdr.code != NM_CUSTOMDRAW || !control || control->geometry->kind != TControlKind::CheckBox)
            break;
        if (draw->dwDrawStage == CDDS_PREPAINT)
            return CDRF_NOTIFYPOSTPAINT;
        if (draw->dwDrawStage == CDDS_POSTPAINT && (draw->uItemState & CDIS_FOCUS)
            && !(SendMessageW(draw->hdr.hwndFrom, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS))
            DrawFocusRect(draw->hdc, &draw->rc);
        return CDRF_DODEFAULT;
    }
    case WM_DRAWITEM:
        drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (HBRUSH brush = colourFor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        POINT at { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) };
        if (onDragBar(at)) {
            press_ = at;
            SetCapture(window_);
        }
        return 0;
    }
    case WM_MOUSEMOVE:
        if (GetCapture() == window_) {
            dragTo();
            return 0;
        }
        if (!onDragBar({ GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) }))
            for (auto& [name, control] : controls_)
                if (control->geometry->kind == TControlKind::Background && control->move)
                    TErrorBox::run(control->move);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        // With several buttons held, the first release ends the drag.
        if (GetCapture() == window_)
            ReleaseCapture();
        press_ = { 0, 0 };
        if (message == WM_LBUTTONUP && !onDragBar({ GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) }))
            for (auto& [name, control] : controls_)
                if (control->geometry->kind == TControlKind::Background && control->click)
                    TErrorBox::run(control->click);
        return 0;
    case WM_CAPTURECHANGED:
        press_ = { 0, 0 };
        return 0;
    case pictureMoved:
        if (Control* control = byWindow(reinterpret_cast<HWND>(lParam)); control && control->move)
            TErrorBox::run(control->move);
        return 0;
    case pictureClicked:
        if (Control* control = byWindow(reinterpret_cast<HWND>(lParam)); control && control->click)
            TErrorBox::run(control->click);
        return 0;
    case WM_ACTIVATE:
        // The focus comes back to the control that had it when the window was left.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(window_, focus))
                lastFocus_ = focus;
        } else {
            HWND focus = lastFocus_ && IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_)
                ? lastFocus_
                : GetNextDlgTabItem(window_, nullptr, FALSE);
            // Without a control to take it, the window keeps the keys itself, so Esc still works.
            SetFocus(focus ? focus : window_);
        }
        return 0;
    case WM_CLOSE:
        if (systemClose_)
            TErrorBox::run(systemClose_);
        else
            hideWindow();
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}
