#include "cycle/Advance.h"

#include "cycle/RandomSource.h"

std::size_t advancePosition(std::size_t current, std::size_t count, bool random, RandomSource& source)
{
    if (random && count >= 2) {
        // Drawing among the count - 1 other positions and stepping over the current one is the same
        // distribution as drawing again until the position differs, without the unbounded loop.
        std::size_t position = source.draw(count - 1) + 1;
        return position >= current ? position + 1 : position;
    }
    return current + 1 > count ? 1 : current + 1;
}
