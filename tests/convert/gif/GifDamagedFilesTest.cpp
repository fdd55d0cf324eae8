#include "GifTestBytes.h"
#include "convert/gif/TGifFile.h"
#include "cycle/Exception.h"

#include <gtest/gtest.h>
#include <random>

namespace {
// Two frames touching every part of the format: extensions, global and local tables, interlacing,
// codes up to 12 bits with a clear code after a full table.
Bytes everyFeature()
{
    Bytes first(100 * 60);
    std::mt19937 random(7);
    for (auto& pixel : first)
        pixel = static_cast<std::uint8_t>(random() % 256);
    GifBuilder gif;
    gif.Header().Screen(0x87).Colors(256);
    gif.Raw({ '!', 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 3, 1, 0, 0, 0 });
    gif.Raw({ '!', 0xF9, 4, 0, 10, 0, 0, 0 });
    gif.Image(100, 60, 0x40, 8, literalStream(8, first));
    gif.Raw({ '!', 0xFE, 2, 'o', 'k', 0 });
    gif.Image(5, 4, 0x81, 2, literalStream(2, Bytes(20, 3)));
    gif.Trailer();
    return gif.Data();
}

// Loads and, when that works, renders; every failure must be an Exception with a message.
bool loadsCleanly(const Bytes& bytes)
{
    TGifFile gif;
    try {
        gif.LoadFromMemory(bytes.data(), bytes.size());
        if (gif.ImageCount() > 0) {
            Bytes bmp;
            gif.SaveToStream(bmp);
        }
        return true;
    } catch (const Exception& error) {
        EXPECT_STRNE(error.what(), "");
        return false;
    }
}
} // namespace

TEST(GifDamagedFiles, EveryTruncationFailsWithAMessage)
{
    const Bytes whole = everyFeature();
    ASSERT_TRUE(loadsCleanly(whole));
    for (std::size_t size = 0; size < whole.size(); ++size)
        EXPECT_FALSE(loadsCleanly(Bytes(whole.begin(), whole.begin() + static_cast<long>(size)))) << size;
}

TEST(GifDamagedFiles, ChangedBytesLoadOrFailButNeverCrash)
{
    const Bytes whole = everyFeature();
    std::mt19937 random(2026);
    int failures = 0;
    for (int round = 0; round < 3000; ++round) {
        Bytes damaged = whole;
        const int changes = 1 + int(random() % 4);
        for (int i = 0; i < changes; ++i) {
            // Mostly the structure near the start, sometimes the image data.
            const std::size_t at = random() % 2 ? random() % 900 : random() % damaged.size();
            damaged[at] = static_cast<std::uint8_t>(random());
        }
        failures += loadsCleanly(damaged) ? 0 : 1;
    }
    EXPECT_GT(failures, 0);
}
