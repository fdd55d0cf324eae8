#include "convert/gif/TGifSubImage.h"

#include "convert/gif/EGifException.h"
#include "convert/gif/TGifLzwDecoder.h"
#include "convert/gif/TGifReader.h"
#include "convert/gif/TGifRowWriter.h"
#include "cycle/ENotEnoughMemory.h"

#include <algorithm>
#include <memory>
#include <new>

TGifSubImage::TGifSubImage(int colorCount)
{
    if (colorCount != 2 && colorCount != 16 && colorCount != 256)
        throw EGifException("Number of colors must be 2, 16 or 256");
    localColorTable_.InitDefault(colorCount);
}

void TGifSubImage::ReadFrom(
    TGifReader& reader, TGifProgress& progress, std::size_t pixelBytesTaken, std::size_t pixelByteLimit)
{
    ReadDescriptor(reader);
    if (HasLocalColorTable()) {
        localColorTable_.Count = 2 << (flags_ & 0x07);
        reader.Read(&localColorTable_.Entries[0][0], std::size_t(localColorTable_.Count) * 3);
    }
    const std::size_t pixelBytes = std::size_t(width_) * height_;
    if (pixelBytes > pixelByteLimit - std::min(pixelBytesTaken, pixelByteLimit))
        throw ENotEnoughMemory::beyondLimit(width_, height_, pixelBytesTaken + pixelBytes, pixelByteLimit);
    pixels_ = TByteArray2D(width_, height_);
    codeSize_ = reader.ReadByte();
    ReadDataBlocks(reader);
    Decode(progress);
}

void TGifSubImage::ReadDescriptor(TGifReader& reader)
{
    std::uint8_t descriptor[9];
    reader.Read(descriptor, sizeof descriptor);
    auto word = [&](int at) { return std::uint16_t(descriptor[at] | descriptor[at + 1] << 8); };
    left_ = word(0);
    top_ = word(2);
    width_ = word(4);
    height_ = word(6);
    flags_ = descriptor[8];
}

void TGifSubImage::ReadDataBlocks(TGifReader& reader)
{
    compressedData_.clear();
    // Room for what the data may take keeps the copy single; only touched pages cost memory.
    const std::size_t pixels = std::size_t(width_) * height_;
    try {
        compressedData_.reserve(std::min(reader.Remaining(), pixels + pixels / 2 + 1024));
        while (std::uint8_t length = reader.ReadByte())
            reader.AppendTo(compressedData_, length);
    } catch (const std::bad_alloc&) {
        throw ENotEnoughMemory(compressedData_.size() + 255);
    }
}

void TGifSubImage::Decode(TGifProgress& progress)
{
    TGifRowWriter out(pixels_, Interlaced(), progress);
    auto decoder = std::make_unique<TGifLzwDecoder>();
    decoder->Decode(compressedData_.data(), compressedData_.size(), codeSize_, out);
}
