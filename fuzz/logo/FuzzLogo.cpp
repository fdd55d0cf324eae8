// Any bytes must decode or fail with an Exception; nothing else may escape, crash or hang. What
// decodes is written out again.
#include "cycle/Exception.h"
#include "panels/logo/LogoBitmap.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A header may claim up to half a gigapixel; filling that only slows the search down.
    if (size >= 26) {
        auto field = [data](std::size_t at) {
            return std::int32_t(std::uint32_t(data[at]) | std::uint32_t(data[at + 1]) << 8
                | std::uint32_t(data[at + 2]) << 16 | std::uint32_t(data[at + 3]) << 24);
        };
        if (std::llabs(field(18)) * std::llabs(field(22)) > (1LL << 22))
            return 0;
    }
    try {
        LogoBitmap picture = decodeLogoBitmap(std::string(reinterpret_cast<const char*>(data), size));
        bitmapFileBytes(picture);
    } catch (const Exception&) {
    }
    return 0;
}
