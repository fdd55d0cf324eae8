#pragma once

#include "cycle/RandomSource.h"

#include <deque>
#include <stdexcept>

// Hands out the draws a test lists, each taken modulo the range asked for.
class ScriptedRandom : public RandomSource {
public:
    std::size_t draw(std::size_t count) override
    {
        if (draws.empty())
            throw std::logic_error("ScriptedRandom ran out of draws");
        std::size_t value = draws.front();
        draws.pop_front();
        lastRange = count;
        return value % count;
    }

    std::deque<std::size_t> draws;
    std::size_t lastRange = 0;
};
