// libFuzzer target: any bytes must decode to a bitmap or fail with an Exception, within bounded
// memory, without touching memory it should not.
#include "convert/jpeg/TJpegDecoder.h"
#include "cycle/Exception.h"

#include <cstddef>
#include <cstdint>

namespace {

// Lower bounds than the program's keep each run within the fuzzer's time and memory limits; the
// code paths are the same.
constexpr TJPEGLimits fuzzLimits { 48L * 1024 * 1024, 64 };

TJPEGOptions optionsFor(std::size_t size)
{
    TJPEGOptions options;
    switch (size % 6) {
    case 1:
        options.NumOfColors = TNumOfColors::TrueColor;
        break;
    case 2:
        options.FastProcessing = true;
        break;
    case 3:
        options.GrayScale = true;
        options.DCTMethod = TDCTMethod::FloatingPoint;
        break;
    case 4:
        options.NumOfColors = TNumOfColors::_16;
        options.OnePass = true;
        options.Dither = TDither::Ordered;
        break;
    case 5:
        options.NoSmooth = true;
        options.Dither = TDither::None;
        options.DCTMethod = TDCTMethod::FastInteg;
        break;
    default:
        break;
    }
    return options;
}

std::uint32_t read32(const std::vector<unsigned char>& bytes, std::size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

// libjpeg is not instrumented, so a row written past its end would go unnoticed: such a write
// lands in the zero padding of the row or beyond the announced size.
void checkBitmap(const std::vector<unsigned char>& bitmap)
{
    if (bitmap.size() < 54 || read32(bitmap, 2) != bitmap.size())
        __builtin_trap();
    std::size_t width = read32(bitmap, 18);
    std::size_t height = read32(bitmap, 22);
    std::size_t bytesPerPixel = bitmap[28] / 8;
    std::size_t offset = read32(bitmap, 10);
    std::size_t rowSize = (width * bytesPerPixel + 3) / 4 * 4;
    if (offset + rowSize * height != bitmap.size())
        __builtin_trap();
    for (std::size_t row = 0; row < height; ++row)
        for (std::size_t at = width * bytesPerPixel; at < rowSize; ++at)
            if (bitmap[offset + row * rowSize + at] != 0)
                __builtin_trap();
}

void decode(const TJPEGOptions& options, const std::uint8_t* data, std::size_t size)
{
    try {
        checkBitmap(TJpegDecoder(options, fuzzLimits).decodeMemory(data, size));
    } catch (const Exception&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    decode(TJPEGOptions(), data, size);
    decode(optionsFor(size), data, size);
    return 0;
}
