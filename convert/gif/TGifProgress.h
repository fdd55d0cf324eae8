#pragma once

// What a GIF load tells the user interface: the window shows the wait cursor between BeginLoad and
// EndLoad and lets pending events run at every RowDecoded. The default does nothing, so the decoder
// runs without any user interface.
class TGifProgress {
public:
    virtual ~TGifProgress() = default;
    virtual void BeginLoad() { }
    virtual void RowDecoded() { }
    virtual void EndLoad() { }
};
