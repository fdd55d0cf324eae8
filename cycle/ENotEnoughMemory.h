#pragma once

#include "cycle/Exception.h"

#include <cstddef>
#include <string>

// A byte block that could not be had, or that would be larger than a picture can sensibly need; or
// a file that could not be held in memory.
class ENotEnoughMemory : public Exception {
public:
    explicit ENotEnoughMemory(std::size_t requested)
        : Exception("error in TBigByteArray.create: Not enough contiguous memory available\r\n requested memory block: "
            + std::to_string(requested) + " bytes")
    {
    }

    // The images of one file would together take more than `limit` bytes: memory may well be there,
    // so the user is told the file's limit rather than of a failed allocation.
    static ENotEnoughMemory beyondLimit(int width, int height, std::size_t total, std::size_t limit)
    {
        return ENotEnoughMemory("GIF file too large: its images may take " + std::to_string(limit >> 20)
            + " MB together\r\n an image of " + std::to_string(width) + " x " + std::to_string(height)
            + " pixels would bring them to " + std::to_string(total) + " bytes");
    }

    static ENotEnoughMemory toRead(const std::string& path)
    {
        return ENotEnoughMemory(formatMessage("Not enough memory to read file %s", path));
    }

private:
    explicit ENotEnoughMemory(const std::string& message)
        : Exception(message)
    {
    }
};
