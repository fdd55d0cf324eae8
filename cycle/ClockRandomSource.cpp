#include "cycle/ClockRandomSource.h"

#include <chrono>

ClockRandomSource::ClockRandomSource()
    : m_engine(
        static_cast<std::mt19937_64::result_type>(std::chrono::high_resolution_clock::now().time_since_epoch().count()))
{
}

std::size_t ClockRandomSource::draw(std::size_t count)
{
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(m_engine);
}
