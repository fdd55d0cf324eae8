// The test player over MCI, as the sound panel drives it on Windows: its own messages, and the
// completion notice handed from the back end's thread to the player's.
#include "panels/sound/EMCIDeviceError.h"
#include "panels/sound/SoundPlayer.h"
#include "panels/sound/WaveFiles.h"
#include "panels/sound/win32/MciSoundBackEnd.h"
#include "win32/Win32Folder.h"

#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>
#include <vector>

namespace {

// Notices queued for the test's thread, run when the test says so, as an event loop would.
class NoticeQueue {
public:
    SoundPlayer::NoticeDelivery delivery()
    {
        return [this](std::function<void()> notice) {
            std::lock_guard<std::mutex> hold(m_lock);
            m_notices.push_back(std::move(notice));
            m_arrived.notify_all();
        };
    }
    // Runs the notices that came, waiting a generous while for the first; false when none came.
    bool runArrived()
    {
        std::vector<std::function<void()>> arrived;
        {
            std::unique_lock<std::mutex> hold(m_lock);
            m_arrived.wait_for(hold, std::chrono::seconds(60), [this] { return !m_notices.empty(); });
            arrived.swap(m_notices);
        }
        for (auto& notice : arrived)
            notice();
        return !arrived.empty();
    }

private:
    std::mutex m_lock;
    std::condition_variable m_arrived;
    std::vector<std::function<void()>> m_notices;
};

std::string failure(SoundPlayer& player, void (SoundPlayer::*command)())
{
    try {
        (player.*command)();
    } catch (const EMCIDeviceError& error) {
        return error.what();
    }
    return "(no failure)";
}

// A back end without a text for its failure.
class SpeechlessBackEnd : public SoundBackEnd {
public:
    std::unique_ptr<SoundDevice> open(const std::string&, EndNotice) override { throw EMCIDeviceError(""); }
};

TEST(SoundPlayerWin32, CommandsNeedAnOpenSoundAndAFailedOpenSaysWhy)
{
    Win32Folder folder;
    NoticeQueue notices;
    SoundPlayer player(std::make_shared<MciSoundBackEnd>(), notices.delivery());
    for (auto command : { &SoundPlayer::play, &SoundPlayer::pause, &SoundPlayer::stop })
        EXPECT_EQ(failure(player, command), "No MCI device open");

    player.FileName = folder.file("missing.wav");
    const std::string missing = failure(player, &SoundPlayer::open);
    EXPECT_NE(missing, "(no failure)");
    EXPECT_NE(missing, "Unknown error code") << "MCI has a text for a missing file";
    EXPECT_FALSE(player.opened());
    EXPECT_EQ(player.error(), 1);
    EXPECT_EQ(failure(player, &SoundPlayer::play), "No MCI device open");

    SoundPlayer speechless(std::make_shared<SpeechlessBackEnd>(), notices.delivery());
    EXPECT_EQ(failure(speechless, &SoundPlayer::open), "Unknown error code");
}

TEST(SoundPlayerWin32, PlaysToTheEndThenRewindsAndIsStopped)
{
    Win32Folder folder;
    // A fifth of a second of silence: 1600 samples of 8 bits at 8 kHz.
    folder.write("short.wav", wavefiles::wave(1, 1, 8000, 8, std::string(1600, '\x80')));
    WAVEFORMATEX format { WAVE_FORMAT_PCM, 1, 8000, 8000, 1, 8, 0 };
    if (waveOutOpen(nullptr, WAVE_MAPPER, &format, 0, 0, WAVE_FORMAT_QUERY) != MMSYSERR_NOERROR)
        GTEST_SKIP() << "no wave output here";
    NoticeQueue notices;
    SoundPlayer player(std::make_shared<MciSoundBackEnd>(), notices.delivery());
    player.FileName = folder.file("short.wav");
    try {
        player.open();
    } catch (const EMCIDeviceError& error) {
        GTEST_SKIP() << "no wave audio device here: " << error.what();
    }

    player.play();
    ASSERT_EQ(player.error(), 0);
    ASSERT_TRUE(notices.runArrived());
    EXPECT_EQ(player.notice(), SoundPlayer::Notice::Successful);
    EXPECT_EQ(player.position(), player.length());

    player.play();
    EXPECT_EQ(player.error(), 0) << "played again from the start";
    player.stop();
    EXPECT_EQ(player.notice(), SoundPlayer::Notice::Aborted);
    EXPECT_EQ(player.mode(), SoundDevice::Mode::Stopped);
    player.close();
    EXPECT_FALSE(player.opened());
}

} // namespace
