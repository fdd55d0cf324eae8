#pragma once

#include "convert/gif/TBigByteArray.h"

#include <cstddef>
#include <cstdint>

class TByteArray2D;
class TGifProgress;

// Places decoded pixels row by row into the pixel matrix, in plain or interlaced row order.
// The decoder writes straight into the current row through Cursor() and Room(), and may write
// beyond what it then counts with Advance() as long as it stays within Room(); a row that falls
// outside the image is gathered in a spare row and fails when it completes.
class TGifRowWriter {
public:
    TGifRowWriter(TByteArray2D& pixels, bool interlaced, TGifProgress& progress);

    std::uint8_t* Cursor() { return row_ + x_; }
    std::size_t Room() const { return width_ - x_; }
    // Counts `count` bytes just written at Cursor(); at most Room().
    void Advance(std::size_t count)
    {
        x_ += count;
        if (x_ == width_)
            CompleteRow();
    }
    // Writes bytes that may run over into the following rows.
    void Write(const std::uint8_t* bytes, std::size_t count);
    // Drops the pixels of an incomplete last row.
    void Finish();

private:
    void CompleteRow();
    void MoveToNextRow();
    void StartRow();

    TByteArray2D& pixels_;
    TGifProgress& progress_;
    bool interlaced_;
    std::size_t width_;
    std::size_t height_;
    std::size_t x_ = 0;
    std::size_t rowIndex_ = 0;
    int pass_ = 1;
    std::uint8_t* row_ = nullptr;
    TBigByteArray spare_;
};
