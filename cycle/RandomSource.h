#pragma once

#include <cstddef>

// Where the random cycling draws its positions; tests supply their own sequence.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A number from 0 to count - 1, each equally likely; count is at least 1.
    virtual std::size_t draw(std::size_t count) = 0;
};
