#pragma once

#include "cycle/Exception.h"

#include <cstddef>
#include <string>

// A byte block that could not be had, or that would be larger than a picture can sensibly need.
class ENotEnoughMemory : public Exception {
public:
    explicit ENotEnoughMemory(std::size_t requested)
        : Exception("error in TBigByteArray.create: Not enough contiguous memory available\r\n requested memory block: "
            + std::to_string(requested) + " bytes")
    {
    }
};
