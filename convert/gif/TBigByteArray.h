#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

// One contiguous block of bytes, indexed from 1 with every access checked. The block starts out
// zeroed, so bytes nobody wrote read as 0.
class TBigByteArray {
public:
    // Throws ENotEnoughMemory when the block cannot be allocated.
    explicit TBigByteArray(std::size_t count);

    std::size_t Count() const { return count_; }
    std::uint8_t GetItem(std::size_t i) const;
    void SetItem(std::size_t i, std::uint8_t value);

    // The block itself, for whole-row copies after the caller has checked the bounds once.
    std::uint8_t* Data() { return block_.get(); }
    const std::uint8_t* Data() const { return block_.get(); }

private:
    struct Free {
        void operator()(std::uint8_t* block) const { std::free(block); }
    };

    std::size_t count_;
    std::unique_ptr<std::uint8_t, Free> block_;
};
