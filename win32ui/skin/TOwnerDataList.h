#pragma once

#include "win32ui/skin/TSkinControl.h"

#include <string>
#include <vector>

// A list box that holds no entries itself (LBS_NODATA): the control keeps them and draws only what
// shows, so a long list is set as fast as a short one. Entries are the core's 8-bit text.
class TOwnerDataList {
public:
    explicit TOwnerDataList(TSkinControl& list)
        : list_(list)
    {
    }

    // Keeps no selection.
    void setItems(const std::vector<std::string>& items);
    int count() const { return static_cast<int>(list_.items.size()); }
    // "" for a row the list does not have.
    std::string item(int row) const;
    int selection() const; // -1: none
    // -1 (or a row the list does not have) clears it; the entry is scrolled into view.
    void select(int row);
    void setItemHeight(int height);

private:
    int widestItem() const;

    TSkinControl& list_;
};
