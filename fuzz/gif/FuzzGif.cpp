// Any bytes must load or fail with an Exception; nothing else may escape, crash or hang.
#include "convert/gif/TGifFile.h"
#include "cycle/Exception.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TGifFile gif;
    try {
        gif.LoadFromMemory(data, size);
        if (gif.ImageCount() == 0)
            return 0;
        // Rendering is linear in the picture; a huge one only slows the search down.
        const TGifSubImage& first = gif.GetImage(1);
        if (std::size_t(first.Width()) * std::size_t(first.Height()) <= (std::size_t(1) << 22)) {
            std::vector<std::uint8_t> bmp;
            gif.SaveToStream(bmp);
        }
    } catch (const Exception&) {
    }
    return 0;
}
