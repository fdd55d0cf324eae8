#include "WaveFiles.h"
#include "panels/sound/EMCIDeviceError.h"
#include "panels/sound/TMediaPlayer.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

using namespace wavefiles;

namespace {

using Mode = SoundDevice::Mode;

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

TEST_F(SdlPlayer, EveryStreamedFormatReachesTheDeviceSampleForSample)
{
    const std::string s16 = ramp16(2400);
    std::string u8, s24, s32, f32, alaw, mulaw;
    for (int i = 0; i < 2400; ++i) {
        u8 += static_cast<char>(1 + i % 120);
        s24 += std::string { '\x11', static_cast<char>(i), static_cast<char>(1 + i % 100) };
        put32(s32, 0x00010000u * static_cast<std::uint32_t>(1 + i));
        float value = static_cast<float>(1 + i) / 4096;
        f32 += std::string(reinterpret_cast<const char*>(&value), 4);
    }
    alaw = "\xD5\xAA\x2A\x55";
    mulaw = std::string("\x00\x70\x80\xFE", 4);
    std::string alawHeard, mulawHeard;
    for (std::int16_t sample : { 8, 32256, -32256, -8 })
        alawHeard += std::string(reinterpret_cast<const char*>(&sample), 2);
    for (std::int16_t sample : { -32124, -120, 32124, 8 })
        mulawHeard += std::string(reinterpret_cast<const char*>(&sample), 2);
    std::string s24Heard;
    for (std::size_t at = 0; at < s24.size(); at += 3)
        s24Heard += '\0' + s24.substr(at, 3);

    std::string adpcmHeard;
    for (int i = 0; i < 505; ++i)
        put16(adpcmHeard, 1000);

    struct Case {
        const char* name;
        unsigned tag, channels, bits;
        std::string samples, expected, silence;
    } cases[] = {
        { "pcm16 stereo", 1, 2, 16, s16, s16, std::string(4, '\0') },
        { "pcm8", 1, 1, 8, u8, u8, "\x80" },
        { "pcm24", 1, 1, 24, s24, s24Heard, std::string(4, '\0') },
        { "pcm32", 1, 1, 32, s32, s32, std::string(4, '\0') },
        { "float", 3, 1, 32, f32, f32, std::string(4, '\0') },
        { "a-law", 6, 1, 8, alaw, alawHeard, std::string(2, '\0') },
        { "mu-law", 7, 1, 8, mulaw, mulawHeard, std::string(2, '\0') },
        { "IMA ADPCM, decoded whole", 0x11, 1, 4, "", adpcmHeard, std::string(2, '\0') },
    };
    for (const Case& c : cases) {
        TMediaPlayer player;
        open(player,
            file("sound.wav", c.tag == 0x11 ? imaAdpcmWave() : wave(c.tag, c.channels, 8000, c.bits, c.samples)));
        player.play();
        waitWhile(player, Mode::Playing);
        EXPECT_EQ(player.position(), player.length()) << c.name;
        player.close();
        EXPECT_EQ(heard(c.silence.size(), c.silence), c.expected) << c.name;
    }
}

TEST_F(SdlPlayer, PauseResumesWhereItStoppedAndPlayAfterTheEndStartsAgain)
{
    const std::string samples = ramp16(4000); // half a second
    TMediaPlayer player;
    open(player, file("a.wav", wave(1, 1, 8000, 16, samples)));
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

TEST_F(SdlPlayer, DamagedFilesAreRefusedWithTheReason)
{
    std::string riff = wave(1, 1, 8000, 16, ramp16(10));
    struct Case {
        std::string bytes, message;
    } cases[] = {
        { "", "Not a wave file (no RIFF WAVE header)" },
        { riff.substr(0, 30), "Damaged wave format chunk" },
        { "RIFX" + riff.substr(4), "Not a wave file (no RIFF WAVE header)" },
        { riff.substr(0, 36), "Wave file has no data chunk" },
        { wave(1, 1, 8000, 16, "", 0), "opened" },
        { wave(1, 1, 8000, 16, ramp16(10), 0x7FFFFFF0), "opened" },
        { wave(2 /* MS ADPCM */, 1, 8000, 4, std::string(10, '\0')), "Wave format chunk gives no block size" },
        { wave(0x55 /* MP3 */, 1, 8000, 16, ramp16(10)), "Unsupported wave encoding 0x0055" },
        { wave(1, 0, 8000, 16, ramp16(10)), "Unsupported number of wave channels: 0" },
        { wave(1, 1, 8000, 12, ramp16(10)), "Unsupported wave sample size: 12 bits" },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(openFailure(file("damaged.wav", c.bytes)), c.message);
    }
    std::string missing = dir.filePath("missing.wav").toStdString();
    EXPECT_EQ(openFailure(missing), "Couldn't open " + missing + ": No such file or directory");
    std::filesystem::create_directory(dir.filePath("folder.wav").toStdString());
    EXPECT_EQ(openFailure(dir.filePath("folder.wav").toStdString()),
        "Couldn't open " + dir.filePath("folder.wav").toStdString() + ": Is a directory");
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
