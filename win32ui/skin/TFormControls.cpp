#include "win32ui/skin/TFormControls.h"

#include "shell/skin/TAccessibleName.h"
#include "win32ui/skin/TSkinResources.h"
#include "win32ui/skin/TWideText.h"

#include <algorithm>
#include <commctrl.h>
#include <stdexcept>

namespace {

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

int lineHeight(HWND window, HFONT font)
{
    TEXTMETRICW metrics {};
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, font);
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return metrics.tmHeight + 1;
}

} // namespace

TFormControls::TFormControls(const TWindowGeometry& table)
    : table_(table)
    , font_(makeFont(-pointsToPixels(8), false))
    , boldFont_(makeFont(-16, true))
{
}

TFormControls::~TFormControls()
{
    for (auto& [name, control] : controls_)
        if (control->bitmap)
            DeleteObject(control->bitmap);
    for (HFONT font : ownFonts_)
        DeleteObject(font);
    for (HFONT font : { font_, boldFont_ })
        if (font)
            DeleteObject(font);
}

void TFormControls::create(HWND form, const wchar_t* pictureClass)
{
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr, GetModuleHandleW(nullptr), nullptr);
    int id = 100;
    for (const TControlGeometry& control : table_.controls)
        createControl(form, pictureClass, control, id++);
    applyTabOrder();
}

void TFormControls::createControl(HWND form, const wchar_t* pictureClass, const TControlGeometry& geometry, int id)
{
    auto control = std::make_unique<TSkinControl>();
    control->geometry = &geometry;
    control->id = id;
    control->font = font_;
    auto child = [&](DWORD exStyle, const wchar_t* windowClass, const std::wstring& text, DWORD style) {
        HWND made = CreateWindowExW(exStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
            geometry.x, geometry.y, geometry.w, geometry.h, form, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
            GetModuleHandleW(nullptr), nullptr);
        SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        return made;
    };
    switch (geometry.kind) {
    case TControlKind::Background:
    case TControlKind::DragBar:
        break; // no window: the form draws the one and follows the other
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
        SendMessageW(control->window, LB_SETITEMHEIGHT, 0, lineHeight(control->window, font_));
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
    addHint(form, *control);
    controls_.emplace(geometry.name, std::move(control));
}

void TFormControls::addHint(HWND form, const TSkinControl& control)
{
    if (!control.window || !*control.geometry->hint || !tooltip_)
        return;
    std::wstring hint = fromUtf8(control.geometry->hint);
    TOOLINFOW tool {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = form;
    tool.uId = reinterpret_cast<UINT_PTR>(control.window);
    tool.lpszText = hint.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// Tab follows the table's order; every control is a group of its own so that the arrow keys stay
// with lists and edits rather than moving the focus.
void TFormControls::applyTabOrder()
{
    std::vector<const TSkinControl*> order;
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
        [](const TSkinControl* a, const TSkinControl* b) { return a->geometry->tabOrder < b->geometry->tabOrder; });
    HWND after = HWND_TOP;
    for (const TSkinControl* control : order) {
        SetWindowPos(control->window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = control->window;
    }
}

void TFormControls::setFont(TSkinControl& control, HFONT font)
{
    ownFonts_.push_back(font);
    control.font = font;
    SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

TSkinControl& TFormControls::find(std::string_view name) const
{
    auto found = controls_.find(name);
    if (found == controls_.end())
        throw std::logic_error(std::string(table_.name) + " has no control " + std::string(name));
    return *found->second;
}

TSkinControl* TFormControls::byWindow(HWND window) const
{
    for (auto& [name, control] : controls_)
        if (control->window == window)
            return control.get();
    return nullptr;
}

TSkinControl* TFormControls::byId(int id) const
{
    for (auto& [name, control] : controls_)
        if (control->id == id)
            return control.get();
    return nullptr;
}

std::vector<TSkinControl*> TFormControls::backgrounds() const
{
    std::vector<TSkinControl*> found;
    for (auto& [name, control] : controls_)
        if (control->geometry->kind == TControlKind::Background)
            found.push_back(control.get());
    return found;
}
