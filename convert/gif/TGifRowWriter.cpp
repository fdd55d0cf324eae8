#include "convert/gif/TGifRowWriter.h"

#include "convert/gif/EIndexOutOfBounds.h"
#include "convert/gif/TByteArray2D.h"
#include "convert/gif/TGifProgress.h"

#include <algorithm>
#include <cstring>

namespace {
// Interlaced rows come in four passes: every 8th row from 0, every 8th from 4, every 4th from 2,
// every 2nd from 1.
constexpr std::size_t PassStep[5] = { 0, 8, 8, 4, 2 };
constexpr std::size_t PassFirstRow[5] = { 0, 0, 4, 2, 1 };
} // namespace

TGifRowWriter::TGifRowWriter(TByteArray2D& pixels, bool interlaced, TGifProgress& progress)
    : pixels_(pixels)
    , progress_(progress)
    , interlaced_(interlaced)
    , width_(pixels.Columns())
    , height_(pixels.Rows())
    , spare_(pixels.Columns())
{
    StartRow();
}

void TGifRowWriter::Write(const std::uint8_t* bytes, std::size_t count)
{
    while (count > 0) {
        if (width_ == 0)
            throw EIndexOutOfBounds();
        std::size_t part = std::min(count, Room());
        std::memcpy(Cursor(), bytes, part);
        bytes += part;
        count -= part;
        Advance(part);
    }
}

void TGifRowWriter::Finish()
{
    // The whole row: the decoder's chunked writes may have gone a few bytes past x.
    if (x_ > 0 && row_ != spare_.Data())
        std::memset(row_, 0, width_);
    x_ = 0;
}

void TGifRowWriter::CompleteRow()
{
    progress_.RowDecoded();
    if (rowIndex_ >= height_)
        throw EIndexOutOfBounds();
    MoveToNextRow();
    x_ = 0;
    StartRow();
}

void TGifRowWriter::MoveToNextRow()
{
    if (!interlaced_) {
        ++rowIndex_;
        return;
    }
    rowIndex_ += PassStep[pass_];
    while (rowIndex_ >= height_ && pass_ < 4) {
        ++pass_;
        rowIndex_ = PassFirstRow[pass_];
    }
}

void TGifRowWriter::StartRow()
{
    row_ = rowIndex_ < height_ ? pixels_.RowData(rowIndex_ + 1) : spare_.Data();
}
