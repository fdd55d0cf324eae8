#include "win32ui/skin/TOwnerDataList.h"

#include "win32ui/skin/TWideText.h"

#include <algorithm>

void TOwnerDataList::setItems(const std::vector<std::string>& items)
{
    list_.items.clear();
    list_.items.reserve(items.size());
    for (const std::string& item : items)
        list_.items.push_back(fromAnsi(item));
    HWND window = list_.window;
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    SendMessageW(window, LB_SETCOUNT, list_.items.size(), 0);
    if (GetWindowLongPtrW(window, GWL_STYLE) & WS_HSCROLL)
        SendMessageW(window, LB_SETHORIZONTALEXTENT, widestItem() + 6, 0);
    SendMessageW(window, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(window, nullptr, TRUE);
}

// Only the longest entries are measured: in a long list, measuring every one would take longer
// than everything else together.
int TOwnerDataList::widestItem() const
{
    constexpr size_t measured = 64;
    std::vector<const std::wstring*> longest;
    longest.reserve(list_.items.size());
    for (const std::wstring& item : list_.items)
        longest.push_back(&item);
    auto longer = [](const std::wstring* a, const std::wstring* b) { return a->size() > b->size(); };
    if (longest.size() > measured) {
        std::nth_element(longest.begin(), longest.begin() + measured, longest.end(), longer);
        longest.resize(measured);
    }
    int widest = 0;
    HDC dc = GetDC(list_.window);
    HGDIOBJ old = SelectObject(dc, list_.font);
    for (const std::wstring* item : longest) {
        SIZE size {};
        GetTextExtentPoint32W(dc, item->c_str(), static_cast<int>(item->size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    SelectObject(dc, old);
    ReleaseDC(list_.window, dc);
    return widest;
}

std::string TOwnerDataList::item(int row) const
{
    if (row < 0 || row >= count())
        return {};
    std::string ansi;
    tryToAnsi(list_.items[static_cast<size_t>(row)], ansi);
    return ansi;
}

int TOwnerDataList::selection() const
{
    LRESULT row = SendMessageW(list_.window, LB_GETCURSEL, 0, 0);
    return row == LB_ERR ? -1 : static_cast<int>(row);
}

void TOwnerDataList::select(int row)
{
    if (row < 0 || row >= count())
        row = -1;
    SendMessageW(list_.window, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

void TOwnerDataList::setItemHeight(int height)
{
    SendMessageW(list_.window, LB_SETITEMHEIGHT, 0, height);
}
