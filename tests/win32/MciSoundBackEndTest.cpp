#include "panels/sound/win32/MciSoundBackEnd.h"

#include "panels/sound/EMCIDeviceError.h"
#include "panels/sound/WaveFiles.h"
#include "win32/Win32Folder.h"

#include <condition_variable>
#include <gtest/gtest.h>
#include <optional>

namespace {

// The end notices, as they come from the back end's thread.
class Notices {
public:
    SoundBackEnd::EndNotice receiver()
    {
        return [this](bool completed) {
            std::lock_guard<std::mutex> hold(m_lock);
            m_completed = completed;
            m_arrived.notify_all();
        };
    }
    // The first notice, or none when none came in a generous while.
    std::optional<bool> first()
    {
        std::unique_lock<std::mutex> hold(m_lock);
        m_arrived.wait_for(hold, std::chrono::seconds(60), [this] { return m_completed.has_value(); });
        return m_completed;
    }

private:
    std::mutex m_lock;
    std::condition_variable m_arrived;
    std::optional<bool> m_completed;
};

std::string openFailure(MciSoundBackEnd& backEnd, const std::string& path)
{
    try {
        backEnd.open(path, {});
    } catch (const EMCIDeviceError& error) {
        return error.what();
    }
    return "(opened)";
}

TEST(MciSoundBackEnd, AFileThatIsNoSoundIsRefusedWithThePlatformsText)
{
    Win32Folder folder;
    folder.write("not a sound.wav", "plain text, no RIFF header");
    MciSoundBackEnd backEnd;
    const std::string missing = openFailure(backEnd, folder.file("missing.wav"));
    EXPECT_NE(missing, "(opened)");
    EXPECT_FALSE(missing.empty()) << "Windows has a text for a missing file";
    EXPECT_NE(openFailure(backEnd, folder.file("not a sound.wav")), "(opened)");

    EXPECT_FALSE(MciSoundBackEnd::errorText(MCIERR_FILE_NOT_FOUND).empty());
    // A code without a text gives none, for the player to say "Unknown error code".
    EXPECT_EQ(MciSoundBackEnd::errorText(0xFFFF), "");
}

TEST(MciSoundBackEnd, PlaysPausesResumesStopsAndNoticesTheEnd)
{
    Win32Folder folder;
    // One second of silence: 8000 samples of 8 bits at 8 kHz.
    folder.write("second.wav", wavefiles::wave(1, 1, 8000, 8, std::string(8000, '\x80')));
    // A machine without a sound card has no wave output to play on.
    WAVEFORMATEX format { WAVE_FORMAT_PCM, 1, 8000, 8000, 1, 8, 0 };
    if (waveOutOpen(nullptr, WAVE_MAPPER, &format, 0, 0, WAVE_FORMAT_QUERY) != MMSYSERR_NOERROR)
        GTEST_SKIP() << "no wave output here (" << waveOutGetNumDevs() << " devices)";
    MciSoundBackEnd backEnd;
    Notices firstNotices;
    std::unique_ptr<SoundDevice> sound;
    try {
        sound = backEnd.open(folder.file("second.wav"), firstNotices.receiver());
    } catch (const EMCIDeviceError& error) {
        GTEST_SKIP() << "no wave audio device here: " << error.what();
    }
    EXPECT_EQ(sound->length(), 1000u);
    EXPECT_EQ(sound->position(), 0u);
    ASSERT_EQ(sound->play(), 0) << MciSoundBackEnd::errorText(sound->play());
    EXPECT_EQ(sound->pause(), 0);
    EXPECT_EQ(sound->mode(), SoundDevice::Mode::Paused);
    EXPECT_EQ(sound->resume(), 0);
    EXPECT_EQ(sound->stop(), 0);
    EXPECT_EQ(sound->mode(), SoundDevice::Mode::Stopped);
    EXPECT_EQ(sound->seekToStart(), 0);
    EXPECT_EQ(sound->position(), 0u);

    // The next sound, very likely under the same MCI device number, hears only of its own end,
    // not of the commands given to the one before.
    sound.reset();
    Notices notices;
    sound = backEnd.open(folder.file("second.wav"), notices.receiver());
    ASSERT_EQ(sound->play(), 0);
    EXPECT_EQ(notices.first(), std::optional<bool>(true));
    EXPECT_EQ(sound->position(), sound->length());
    EXPECT_EQ(sound->mode(), SoundDevice::Mode::Stopped);
}

} // namespace
