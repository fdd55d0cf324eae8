#include "cycle/BlockAllocator.h"

#include <cstdint>
#include <sys/mman.h>

void adviseLargePages([[maybe_unused]] void* block, [[maybe_unused]] std::size_t bytes)
{
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t largePage = std::uintptr_t(2) << 20;
    std::uintptr_t begin = (reinterpret_cast<std::uintptr_t>(block) + largePage - 1) & ~(largePage - 1);
    std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(block) + bytes) & ~(largePage - 1);
    if (end > begin)
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#endif
}
