#include "WaveFiles.h"
#include "panels/sound/EMCIDeviceError.h"
#include "panels/sound/TMediaPlayer.h"
#include "panels/sound/WaveStream.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <SDL.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <thread>

using namespace wavefiles;

namespace {

using Mode = SoundDevice::Mode;
using Fractions = std::vector<double>; // samples as fractions of full scale

// Values over the whole range of signed `bits`-bit samples, none of them 0.
std::vector<std::int64_t> randomValues(std::size_t count, unsigned bits, unsigned seed)
{
    std::mt19937_64 random(seed);
    std::int64_t top = (std::int64_t { 1 } << (bits - 1)) - 1;
    std::vector<std::int64_t> values;
    while (values.size() < count) {
        auto value = std::uniform_int_distribution<std::int64_t>(-top, top)(random);
        values.push_back(value == 0 ? 1 : value);
    }
    return values;
}

std::string randomBytes(std::size_t count, std::mt19937& random)
{
    std::string bytes;
    while (bytes.size() < count)
        bytes += static_cast<char>(random() & 0xFF);
    return bytes;
}

// `blocks` whole blocks and a last one of `tail` bytes, each with a random header per channel
// (IMA: first sample, step index; MS: predictor, step, two samples) and random codes.
WaveRecipe imaAdpcm(unsigned channels, unsigned blockAlign, int blocks, unsigned tail)
{
    std::mt19937 random(blockAlign);
    WaveRecipe recipe { .tag = 0x11, .channels = channels, .blockAlign = blockAlign, .bits = 4 };
    put16(recipe.extra, 1 + (blockAlign - 4 * channels) * 2 / channels);
    for (int block = 0; block <= blocks; ++block) {
        std::string header;
        for (unsigned c = 0; c < channels; ++c) {
            put16(header, random() & 0xFFFF);
            header += static_cast<char>(random() % 89) + std::string(1, '\0');
        }
        recipe.data += header + randomBytes((block < blocks ? blockAlign : tail) - header.size(), random);
    }
    return recipe;
}

WaveRecipe msAdpcm(unsigned channels, unsigned blockAlign, int blocks, unsigned tail)
{
    std::mt19937 random(blockAlign);
    WaveRecipe recipe { .tag = 2, .channels = channels, .blockAlign = blockAlign, .bits = 4 };
    put16(recipe.extra, 2 + (blockAlign - 7 * channels) * 2 / channels);
    put16(recipe.extra, 7);
    for (int coefficient : { 256, 0, 512, -256, 0, 0, 192, 64, 240, 0, 460, -208, 392, -232 })
        put16(recipe.extra, static_cast<unsigned>(coefficient) & 0xFFFF);
    for (int block = 0; block <= blocks; ++block) {
        std::string header;
        for (unsigned c = 0; c < channels; ++c)
            header += static_cast<char>(random() % 7);
        for (unsigned c = 0; c < channels; ++c)
            put16(header, 16 + random() % 1000);
        for (unsigned c = 0; c < 2 * channels; ++c)
            put16(header, random() & 0xFFFF);
        recipe.data += header + randomBytes((block < blocks ? blockAlign : tail) - header.size(), random);
    }
    return recipe;
}

// SDL's own wave loader, which decodes ADPCM whole, as the reference; like the player, it takes
// the whole frames of a last block cut short.
Fractions decodedBySdl(const std::string& bytes)
{
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "dropframe");
    SDL_AudioSpec loaded {};
    Uint8* samples = nullptr;
    Uint32 size = 0;
    if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1, &loaded, &samples, &size))
        ADD_FAILURE() << SDL_GetError();
    EXPECT_EQ(loaded.format, AUDIO_S16SYS);
    Fractions decoded;
    for (Uint32 at = 0; at + 2 <= size; at += 2) {
        std::int16_t sample;
        std::memcpy(&sample, samples + at, 2);
        decoded.push_back(sample / 32768.);
    }
    SDL_FreeWAV(samples);
    return decoded;
}

// Without the silence before and after the sound.
Fractions trimmed(Fractions samples)
{
    while (!samples.empty() && samples.back() == 0)
        samples.pop_back();
    auto first = std::find_if(samples.begin(), samples.end(), [](double sample) { return sample != 0; });
    return Fractions(first, samples.end());
}

// The real player on SDL. The "disk" driver writes what reaches the device into a file, in the
// wave's own format, as fast as a sound card would play it.
class SdlPlayer : public ::testing::Test {
protected:
    SdlPlayer()
    {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    }
    ~SdlPlayer() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }

    std::string file(const std::string& name, const std::string& bytes)
    {
        std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
        writeFile(path, bytes);
        return path;
    }
    void open(TMediaPlayer& player, const std::string& path)
    {
        player.FileName = path;
        player.open();
    }
    void waitWhile(TMediaPlayer& player, Mode mode)
    {
        while (player.mode() == mode)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    // What reached the device, without the silence around and between the sounds.
    std::string heard(std::size_t sampleBytes, const std::string& silence)
    {
        std::string bytes = readFile(output), kept;
        for (std::size_t at = 0; at + sampleBytes <= bytes.size(); at += sampleBytes) {
            std::string sample = bytes.substr(at, sampleBytes);
            if (sample != silence)
                kept += sample;
        }
        return kept;
    }
    // What reached the device, read in the format the player gave SDL.
    Fractions heardAs(SDL_AudioFormat format)
    {
        std::string bytes = readFile(output);
        unsigned size = SDL_AUDIO_BITSIZE(format) / 8;
        Fractions heard;
        for (std::size_t at = 0; at + size <= bytes.size(); at += size) {
            std::uint64_t raw = 0;
            for (unsigned i = 0; i < size; ++i)
                raw |= std::uint64_t { static_cast<unsigned char>(bytes[at + i]) }
                    << 8 * (SDL_AUDIO_ISBIGENDIAN(format) ? size - 1 - i : i);
            if (SDL_AUDIO_ISFLOAT(format)) {
                float sample;
                auto bits = static_cast<std::uint32_t>(raw);
                std::memcpy(&sample, &bits, 4);
                heard.push_back(sample);
            } else if (!SDL_AUDIO_ISSIGNED(format)) {
                heard.push_back((static_cast<double>(raw) - 128) / 128);
            } else {
                auto value = static_cast<std::int64_t>(raw << (64 - 8 * size)) >> (64 - 8 * size);
                heard.push_back(std::ldexp(static_cast<double>(value), 1 - 8 * static_cast<int>(size)));
            }
        }
        return trimmed(heard);
    }
    std::string openFailure(const std::string& path)
    {
        TMediaPlayer player;
        player.FileName = path;
        try {
            player.open();
        } catch (const EMCIDeviceError& error) {
            return error.what();
        }
        return "opened";
    }

    QTemporaryDir dir;
    std::string output = dir.filePath("heard.raw").toStdString();
};

} // namespace

TEST_F(SdlPlayer, EveryFormatReachesTheDeviceAsAnIndependentDecoderReadsIt)
{
    struct Case {
        const char* name;
        WaveRecipe recipe;
        Fractions expected;
    };
    std::vector<Case> cases;
    // Uncompressed samples: `bits`-bit values at the top of `slot`-byte slots, the bits below
    // them 0 or, with `padding`, noise the player must drop.
    auto slotted = [&](const char* name, WaveRecipe recipe, unsigned bits, unsigned slot, bool padding = false) {
        std::vector<std::int64_t> values = randomValues(300 * recipe.channels, bits, slot);
        Fractions expected;
        for (std::int64_t value : values) {
            std::uint64_t stored = static_cast<std::uint64_t>(value) << (8 * slot - bits);
            if (padding)
                stored |= static_cast<std::uint64_t>(value) & ((1u << (8 * slot - bits)) - 1);
            if (slot == 1)
                stored += 128;
            for (unsigned i = 0; i < slot; ++i)
                recipe.data += static_cast<char>(stored >> 8 * (recipe.riff == "RIFX" ? slot - 1 - i : i) & 0xFF);
            expected.push_back(std::ldexp(static_cast<double>(value), 1 - static_cast<int>(bits)));
        }
        recipe.bits = recipe.validBits >= 0 ? 8 * slot : bits;
        recipe.blockAlign = slot * recipe.channels;
        cases.push_back({ name, recipe, expected });
    };
    slotted("8-bit", {}, 8, 1);
    slotted("16-bit stereo", { .channels = 2 }, 16, 2);
    slotted("24-bit stereo", { .channels = 2 }, 24, 3);
    slotted("32-bit", {}, 32, 4);
    slotted("12-bit in 2 bytes", {}, 12, 2);
    slotted("20-bit in 3 bytes, extensible", { .validBits = 20 }, 20, 3, true);
    slotted("12-bit in 2 bytes, extensible", { .channels = 2, .validBits = 12 }, 12, 2, true);
    slotted("RIFX 16-bit stereo", { .riff = "RIFX", .channels = 2 }, 16, 2);
    slotted("RIFX 24-bit", { .riff = "RIFX" }, 24, 3);
    slotted("RF64 16-bit", { .riff = "RF64" }, 16, 2);
    slotted("RF64 8-bit, odd size", { .riff = "RF64" }, 8, 1);
    slotted("24-bit stereo in 4 bytes", { .channels = 2 }, 24, 4); // frames of 8 bytes, not 6
    for (const char* riff : { "RIFF", "RIFX" }) {
        for (unsigned bits : { 32u, 64u }) {
            WaveRecipe recipe { .riff = riff, .tag = 3, .blockAlign = bits / 8, .bits = bits };
            Fractions expected;
            for (std::int64_t value : randomValues(300, 31, bits)) {
                double sample = std::ldexp(static_cast<double>(value), -30);
                std::uint64_t stored = 0;
                if (bits == 32) {
                    float narrow = static_cast<float>(sample);
                    std::memcpy(&stored, &narrow, 4);
                } else {
                    std::memcpy(&stored, &sample, 8);
                }
                for (unsigned i = 0; i < bits / 8; ++i)
                    recipe.data += static_cast<char>(stored >> 8 * (recipe.riff == "RIFX" ? bits / 8 - 1 - i : i));
                expected.push_back(sample);
            }
            cases.push_back({ bits == 32 ? "float" : "64-bit float", recipe, expected });
        }
    }
    cases.push_back({ "a-law", { .tag = 6, .blockAlign = 1, .bits = 8, .data = "\xD5\xAA\x2A\x55" },
        { 8 / 32768., 32256 / 32768., -32256 / 32768., -8 / 32768. } });
    cases.push_back({ "mu-law", { .tag = 7, .blockAlign = 1, .bits = 8, .data = std::string("\x00\x70\x80\xFE", 4) },
        { -32124 / 32768., -120 / 32768., 32124 / 32768., 8 / 32768. } });
    cases.push_back({ "IMA ADPCM stereo", imaAdpcm(2, 64, 4, 20), {} });
    cases.push_back({ "MS ADPCM", msAdpcm(1, 40, 3, 17), {} });
    cases.push_back({ "MS ADPCM stereo", msAdpcm(2, 64, 5, 30), {} });

    setenv("SDL_DISKAUDIODELAY", "0", 1);
    for (Case& c : cases) {
        std::string path = file("sound.wav", c.recipe.bytes());
        if (c.expected.empty())
            c.expected = decodedBySdl(c.recipe.bytes());
        SDL_AudioFormat format = WaveStream(path).format();
        TMediaPlayer player;
        open(player, path);
        player.play();
        waitWhile(player, Mode::Playing);
        EXPECT_EQ(player.position(), player.length()) << c.name;
        player.close();
        Fractions heard = heardAs(format);
        ASSERT_EQ(heard.size(), trimmed(c.expected).size()) << c.name;
        for (std::size_t i = 0; i < heard.size(); ++i)
            ASSERT_NEAR(heard[i], trimmed(c.expected)[i], 1e-6) << c.name << ", sample " << i;
    }
    unsetenv("SDL_DISKAUDIODELAY");
}

TEST_F(SdlPlayer, PauseResumesWhereItStoppedAndPlayAfterTheEndStartsAgain)
{
    const std::string samples = ramp16(4000); // half a second
    TMediaPlayer player;
    open(player, file("a.wav", wave(1, 1, 8000, 16, samples)));
    EXPECT_EQ(player.length(), 500u) << "in milliseconds";
    player.play();
    while (player.position() == 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    player.pause();
    EXPECT_EQ(player.mode(), Mode::Paused);
    std::uint64_t pausedAt = player.position();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(player.position(), pausedAt);
    player.pause();
    EXPECT_EQ(player.mode(), Mode::Playing);
    waitWhile(player, Mode::Playing);
    QCoreApplication::processEvents();
    EXPECT_EQ(player.notice(), TMediaPlayer::Notice::Successful);

    player.play();
    player.stop();
    EXPECT_EQ(player.mode(), Mode::Stopped);
    player.play();
    waitWhile(player, Mode::Playing);
    player.close();
    EXPECT_EQ(heard(2, std::string(2, '\0')), samples + samples) << "nothing lost or repeated";
}

TEST_F(SdlPlayer, ASecondOpenStopsTheFirstAndDoesNotStartTheSecond)
{
    TMediaPlayer player;
    open(player, file("long.wav", wave(1, 1, 8000, 16, ramp16(80000))));
    player.play();
    EXPECT_EQ(player.mode(), Mode::Playing);
    open(player, file("b.wav", wave(1, 1, 8000, 16, ramp16(100))));
    EXPECT_EQ(player.mode(), Mode::Stopped);
    EXPECT_EQ(player.notice(), TMediaPlayer::Notice::Aborted);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(heard(2, std::string(2, '\0')), "") << "the new sound's device has heard nothing";
}

TEST_F(SdlPlayer, AFileCutShortWhilePlayingEndsTheSound)
{
    TMediaPlayer player;
    std::string path = file("cut.wav", wave(1, 1, 8000, 16, ramp16(80000)));
    open(player, path);
    player.play();
    std::filesystem::resize_file(path, 44 + 2000);
    waitWhile(player, Mode::Playing);
    QCoreApplication::processEvents();
    EXPECT_EQ(player.notice(), TMediaPlayer::Notice::Failed);
    EXPECT_EQ(player.position(), player.length());
}

// Each refused at its first wrong bytes, or opened, without reading or holding what a file only
// claims to hold; a file grown to `sparse` bytes holds zeros after its given bytes.
TEST_F(SdlPlayer, DamagedAndHostileFilesAreRefusedAtOnceWithTheReason)
{
    constexpr std::uint64_t twoGiB = std::uint64_t { 2 } << 30;
    std::string riff = wave(1, 1, 8000, 16, ramp16(10));
    std::string junk;
    for (int i = 0; i < 1100; ++i)
        junk += std::string("JUNK\0\0\0\0", 8);
    std::string hugeAdpcmBytes = WaveRecipe { .tag = 0x11, .blockAlign = 256, .bits = 4 }.bytes();
    hugeAdpcmBytes.replace(hugeAdpcmBytes.size() - 4, 4, "\xF0\xFF\xFF\x7F");
    struct Case {
        std::string bytes, message;
        std::uint64_t sparse = 0;
    } cases[] = {
        { "", "Not a wave file (no RIFF WAVE header)" },
        { riff.substr(0, 30), "Damaged wave format chunk" },
        { "RIFS" + riff.substr(4), "Not a wave file (no RIFF WAVE header)" },
        { riff.substr(0, 36), "Wave file has no data chunk" },
        { wave(1, 1, 8000, 16, "", 0), "opened" },
        { wave(1, 1, 8000, 16, ramp16(10), 0x7FFFFFF0), "opened" },
        { wave(2 /* MS ADPCM */, 1, 8000, 4, std::string(10, '\0')), "Wave format chunk gives no block size" },
        { wave(0x55, 1, 8000, 16, ramp16(10)), "Unsupported wave encoding: MP3 (0x0055)" },
        { wave(0x31, 1, 8000, 16, ramp16(10)), "Unsupported wave encoding: GSM 6.10 (0x0031)" },
        { WaveRecipe { .tag = 0x1234, .validBits = 16 }.bytes(), "Unsupported wave encoding: unknown (0x1234)" },
        { wave(1, 0, 8000, 16, ramp16(10)), "Unsupported number of wave channels: 0" },
        { wave(1, 1, 8000, 12, ramp16(10)), "Unsupported wave sample size: 12 bits" },
        { "RF64\xFF\xFF\xFF\xFF" + riff.substr(8), "Damaged wave file (no ds64 chunk)" },
        { riff.substr(0, 12) + junk, "Wave file has no format chunk" },
        { riff.substr(0, 12), "Damaged wave file (no chunk at byte 12)", twoGiB },
        { riff.substr(0, 36), "Damaged wave file (no chunk at byte 36)", twoGiB },
        { hugeAdpcmBytes, "opened", twoGiB },
    };
    for (const Case& c : cases) {
        std::string path = file("damaged.wav", c.bytes);
        if (c.sparse)
            std::filesystem::resize_file(path, c.sparse);
        EXPECT_EQ(openFailure(path), c.message);
    }

    std::string fifo = dir.filePath("fifo.wav").toStdString(), folder = dir.filePath("folder.wav").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_directory(folder);
    std::filesystem::create_symlink(fifo, dir.filePath("to-fifo.wav").toStdString());
    std::filesystem::create_symlink("/dev/zero", dir.filePath("zero.wav").toStdString());
    for (const char* name : { "fifo.wav", "to-fifo.wav", "zero.wav" }) {
        std::string path = dir.filePath(name).toStdString();
        EXPECT_EQ(openFailure(path), path + " is not a regular file");
    }
    std::string missing = dir.filePath("missing.wav").toStdString();
    EXPECT_EQ(openFailure(missing), "Couldn't open " + missing + ": No such file or directory");
    EXPECT_EQ(openFailure(folder), "Couldn't open " + folder + ": Is a directory");
}

TEST_F(SdlPlayer, WithoutAnAudioDeviceOpenReportsSdlsTextAndThePlayerGoesOn)
{
    std::string path = file("fine.wav", wave(1, 1, 8000, 16, ramp16(100)));
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    std::string text = openFailure(path);
    EXPECT_NE(text, "opened");
    EXPECT_FALSE(text.empty());
    setenv("SDL_AUDIODRIVER", "disk", 1);
    EXPECT_EQ(openFailure(path), "opened");
}
