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

void decode(const TJPEGOptions& options, const std::uint8_t* data, std::size_t size)
{
    try {
        std::vector<unsigned char> bitmap = TJpegDecoder(options, fuzzLimits).decodeMemory(data, size);
        if (bitmap.size() < 54 || bitmap[0] != 'B')
            __builtin_trap();
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
