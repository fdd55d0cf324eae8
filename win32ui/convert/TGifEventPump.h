#pragma once

#include "convert/gif/TGifProgress.h"

#include <windows.h>

class TWindowSet;

// Keeps the program live during a GIF load: the wait cursor for the whole load, and the messages
// waiting for any window (button presses, painting, dragging) handled after every decoded row.
class TGifEventPump : public TGifProgress {
public:
    explicit TGifEventPump(const TWindowSet& windows)
        : windows_(windows)
    {
    }

    void BeginLoad() override;
    void RowDecoded() override;
    void EndLoad() override;

private:
    const TWindowSet& windows_;
    HCURSOR previousCursor_ = nullptr;
    bool quitting_ = false;
};
