#pragma once

#include <cstddef>

class RandomSource;

// The position to use after `current` (1-based, within 1..count) has been applied: the following
// one, wrapping to 1; with random cycling and two or more entries, any other position with equal
// chance, so the entry just applied is never repeated.
std::size_t advancePosition(std::size_t current, std::size_t count, bool random, RandomSource& source);
