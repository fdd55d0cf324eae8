#pragma once

#include <memory>
#include <utility>

// An allocator whose value-less construction leaves the bytes as they are, so that a buffer can be
// sized before a file is read into it without first writing zeros over every page.
template <typename T> class UninitialisedAllocator : public std::allocator<T> {
public:
    using std::allocator<T>::allocator;

    template <typename U> struct rebind {
        using other = UninitialisedAllocator<U>;
    };

    template <typename U> void construct(U* at) noexcept { ::new (static_cast<void*>(at)) U; }
    template <typename U, typename... Args> void construct(U* at, Args&&... args)
    {
        ::new (static_cast<void*>(at)) U(std::forward<Args>(args)...);
    }
};
