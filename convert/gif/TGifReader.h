#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

// Exact reads from bytes in memory or from an open file; a read past the end throws
// Exception("Read beyond end of file") as the platform's file reads do.
class TGifReader {
public:
    TGifReader(const std::uint8_t* bytes, std::size_t size);
    // Reads the file through a buffer of its own; the caller keeps the file open meanwhile.
    explicit TGifReader(std::FILE* file);

    std::uint8_t ReadByte();
    void Read(std::uint8_t* to, std::size_t count);
    void Skip(std::size_t count);
    // Reads `count` bytes onto the end of `out`.
    void AppendTo(std::vector<std::uint8_t>& out, std::size_t count);
    // Bytes known to remain; for a file, what its size promised when the reader was made.
    std::size_t Remaining() const;

private:
    bool Refill();
    [[noreturn]] static void ReadBeyondEnd();

    std::FILE* file_ = nullptr;
    std::vector<std::uint8_t> buffer_;
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
    std::size_t fileLeft_ = 0;
};
