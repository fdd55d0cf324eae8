#include "cycle/BlockAllocator.h"

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

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

void preparePages([[maybe_unused]] void* bytes, [[maybe_unused]] std::size_t size)
{
#ifdef MADV_POPULATE_WRITE
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    std::uintptr_t begin = reinterpret_cast<std::uintptr_t>(bytes) & ~(page - 1);
    std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(bytes) + size + page - 1) & ~(page - 1);
    ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
#endif
}
