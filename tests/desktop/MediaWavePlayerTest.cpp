// The start-up sound through the sound panel's player, on SDL's dummy audio driver.
#include "desktop/MediaWavePlayer.h"

#include "cycle/Exception.h"
#include "cycle/TemporaryFolder.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace {

// A mono 8-bit PCM wave of `samples` samples at 8000 Hz.
std::string wave(std::uint32_t samples)
{
    auto le32 = [](std::uint32_t v) { return std::string { char(v), char(v >> 8), char(v >> 16), char(v >> 24) }; };
    auto le16 = [](std::uint16_t v) { return std::string { char(v), char(v >> 8) }; };
    std::string format = le16(1) + le16(1) + le32(8000) + le32(8000) + le16(1) + le16(8);
    std::string data(samples, char(0x80));
    std::string body = "WAVE" + std::string("fmt ") + le32(16) + format + "data" + le32(samples) + data;
    return "RIFF" + le32(static_cast<std::uint32_t>(body.size())) + body;
}

} // namespace

TEST(MediaWavePlayerTest, PlaysAShortWaveToItsEndAndRefusesWhatItCannotOpen)
{
    TemporaryFolder folder;
    folder.write("short.wav", wave(800));
    folder.write("notes.wav", "not a wave at all");
    MediaWavePlayer player;
    EXPECT_NO_THROW(player.playOnce(folder.file("short.wav")));
    EXPECT_THROW(player.playOnce(folder.file("notes.wav")), Exception);
    EXPECT_THROW(player.playOnce(folder.file("missing.wav")), Exception);
}
