#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <utility>

// Asks the system to back the whole 2 MiB pieces of the block with large pages, where it can.
void adviseLargePages(void* block, std::size_t bytes);
// Maps the pages of a buffer that is about to be filled whole, in one call instead of a page fault
// for each page, where the system can.
void preparePages(void* bytes, std::size_t size);

// The allocator of a LineBlock's bytes. Construction without a value leaves the bytes as they are,
// so that a buffer can be sized before a file is read into it without first writing zeros over
// every page. A large block starts on a 2 MiB boundary and asks for large pages: a list file's
// bytes are written into fresh memory all at once, and a page fault for every 4 KiB of the lists
// would cost the start-up more than reading them.
template <typename T> class BlockAllocator : public std::allocator<T> {
public:
    using std::allocator<T>::allocator;

    template <typename U> struct rebind {
        using other = BlockAllocator<U>;
    };

    T* allocate(std::size_t count)
    {
        if (!large(count))
            return std::allocator<T>::allocate(count);
        void* block = ::operator new(count * sizeof(T), std::align_val_t(largePage));
        adviseLargePages(block, count * sizeof(T));
        return static_cast<T*>(block);
    }

    void deallocate(T* block, std::size_t count)
    {
        if (large(count))
            ::operator delete(block, std::align_val_t(largePage));
        else
            std::allocator<T>::deallocate(block, count);
    }

    template <typename U> void construct(U* at) noexcept { ::new (static_cast<void*>(at)) U; }
    template <typename U, typename... Args> void construct(U* at, Args&&... args)
    {
        ::new (static_cast<void*>(at)) U(std::forward<Args>(args)...);
    }

private:
    static constexpr std::size_t largePage = std::size_t(2) << 20;
    static bool large(std::size_t count) { return count * sizeof(T) >= largePage; }
};
