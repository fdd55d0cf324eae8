#pragma once

#include "convert/gif/TGifProgress.h"

// Keeps the program live during a GIF load: the wait cursor for the whole load, and pending events
// (button presses, painting, dragging) handled after every decoded row.
class TGifEventPump : public TGifProgress {
public:
    void BeginLoad() override;
    void RowDecoded() override;
    void EndLoad() override;
};
