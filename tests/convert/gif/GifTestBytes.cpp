#include "GifTestBytes.h"

#include <algorithm>

CodeWriter::CodeWriter(int codeSize)
    : codeSize_(codeSize)
    , width_(codeSize + 1)
    , next_(ClearCode() + 2)
    , limit_(1u << width_)
{
}

CodeWriter& CodeWriter::Clear()
{
    Raw(ClearCode(), width_);
    width_ = codeSize_ + 1;
    next_ = ClearCode() + 2;
    limit_ = 1u << width_;
    first_ = true;
    return *this;
}

CodeWriter& CodeWriter::Code(unsigned code)
{
    Raw(code, width_);
    if (first_) {
        first_ = false;
        return *this;
    }
    if (++next_ == limit_ && width_ < 12) {
        ++width_;
        limit_ <<= 1;
    }
    return *this;
}

CodeWriter& CodeWriter::End()
{
    Raw(EndCode(), width_);
    if (pendingBits_ > 0)
        bytes_.push_back(static_cast<std::uint8_t>(pending_));
    pending_ = 0;
    pendingBits_ = 0;
    return *this;
}

CodeWriter& CodeWriter::Raw(unsigned value, int width)
{
    pending_ |= value << pendingBits_;
    pendingBits_ += width;
    while (pendingBits_ >= 8) {
        bytes_.push_back(static_cast<std::uint8_t>(pending_));
        pending_ >>= 8;
        pendingBits_ -= 8;
    }
    return *this;
}

GifBuilder& GifBuilder::Header(const std::string& sixBytes)
{
    bytes_.insert(bytes_.end(), sixBytes.begin(), sixBytes.end());
    return *this;
}

GifBuilder& GifBuilder::Screen(std::uint8_t flags)
{
    Word(1);
    Word(1);
    bytes_.push_back(flags);
    bytes_.push_back(0);
    bytes_.push_back(0);
    return *this;
}

GifBuilder& GifBuilder::Colors(int count)
{
    for (int i = 0; i < count; ++i) {
        bytes_.push_back(static_cast<std::uint8_t>(i));
        bytes_.push_back(static_cast<std::uint8_t>(2 * i));
        bytes_.push_back(static_cast<std::uint8_t>(255 - i));
    }
    return *this;
}

GifBuilder& GifBuilder::Image(int width, int height, std::uint8_t flags, int codeSize, const Bytes& data)
{
    bytes_.push_back(',');
    Word(0);
    Word(0);
    Word(static_cast<unsigned>(width));
    Word(static_cast<unsigned>(height));
    bytes_.push_back(flags);
    if (flags & 0x80)
        Colors(2 << (flags & 7));
    bytes_.push_back(static_cast<std::uint8_t>(codeSize));
    for (std::size_t at = 0; at < data.size(); at += 255) {
        std::size_t length = std::min<std::size_t>(255, data.size() - at);
        bytes_.push_back(static_cast<std::uint8_t>(length));
        bytes_.insert(
            bytes_.end(), data.begin() + static_cast<long>(at), data.begin() + static_cast<long>(at + length));
    }
    bytes_.push_back(0);
    return *this;
}

GifBuilder& GifBuilder::Raw(std::initializer_list<std::uint8_t> bytes)
{
    bytes_.insert(bytes_.end(), bytes);
    return *this;
}

GifBuilder& GifBuilder::Trailer()
{
    bytes_.push_back(';');
    return *this;
}

void GifBuilder::Word(unsigned value)
{
    bytes_.push_back(static_cast<std::uint8_t>(value));
    bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
}

Bytes literalStream(int codeSize, const Bytes& pixels)
{
    CodeWriter codes(codeSize);
    codes.Clear();
    for (std::uint8_t pixel : pixels) {
        if (codes.NextFree() >= 4095)
            codes.Clear();
        codes.Code(pixel);
    }
    return codes.End().Data();
}

Bytes runStream(int codeSize, const std::vector<Run>& runs)
{
    CodeWriter codes(codeSize);
    for (auto [colour, length] : runs) {
        std::size_t left = length;
        while (left > 0) {
            codes.Clear().Code(colour);
            std::size_t last = 1;
            --left;
            // After a clear, the code of a run of length n >= 2 is clear code + n, once defined.
            while (left > 0 && codes.NextFree() < 4095) {
                std::size_t n = std::min(last + 1, left);
                codes.Code(n == 1 ? colour : codes.ClearCode() + unsigned(n));
                left -= n;
                last = n;
            }
        }
    }
    return codes.End().Data();
}
