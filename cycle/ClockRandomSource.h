#pragma once

#include "cycle/RandomSource.h"

#include <random>

// The program's own random source, seeded from the clock when it is made.
class ClockRandomSource : public RandomSource {
public:
    ClockRandomSource();
    std::size_t draw(std::size_t count) override;

private:
    std::mt19937_64 m_engine;
};
