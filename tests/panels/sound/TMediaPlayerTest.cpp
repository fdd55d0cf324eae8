#include "panels/sound/TMediaPlayer.h"

#include "ScriptedSound.h"
#include "panels/sound/EMCIDeviceError.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

using Mode = SoundDevice::Mode;
using Notice = TMediaPlayer::Notice;
using namespace scripted;

class MediaPlayer : public ::testing::Test {
protected:
    std::string failure(void (TMediaPlayer::*command)())
    {
        try {
            (player.*command)();
        } catch (const EMCIDeviceError& error) {
            return error.what();
        }
        return "";
    }
    void open(const std::string& name)
    {
        player.FileName = name;
        player.open();
    }

    Script script;
    TMediaPlayer player { std::make_shared<ScriptedBackEnd>(script) };
};

} // namespace

TEST_F(MediaPlayer, CommandsNeedAnOpenSoundAndAFailedOpenLeavesNone)
{
    for (auto command : { &TMediaPlayer::play, &TMediaPlayer::pause, &TMediaPlayer::stop })
        EXPECT_EQ(failure(command), "No MCI device open");

    open("a.wav");
    script.refusal = "bad.wav";
    script.refusalText = "Not a wave file (no RIFF WAVE header)";
    player.FileName = "bad.wav";
    EXPECT_EQ(failure(&TMediaPlayer::open), "Not a wave file (no RIFF WAVE header)");
    EXPECT_EQ(script.log, (std::vector<std::string> { "open a.wav", "close a.wav" })) << "the old sound closes first";
    EXPECT_FALSE(player.opened());
    EXPECT_NE(player.error(), 0);
    EXPECT_EQ(failure(&TMediaPlayer::play), "No MCI device open");

    script.refusalText = "";
    EXPECT_EQ(failure(&TMediaPlayer::open), "Unknown error code");
}

TEST_F(MediaPlayer, PlayRewindsOnlyAtTheEndAndPauseToggles)
{
    open("a.wav");
    script.position = 40;
    player.play();
    player.pause();
    EXPECT_EQ(player.mode(), Mode::Paused);
    player.pause();
    EXPECT_EQ(player.mode(), Mode::Playing);
    player.stop();
    player.pause();
    EXPECT_EQ(script.log,
        (std::vector<std::string> { "open a.wav", "play a.wav", "pause a.wav", "resume a.wav", "stop a.wav" }))
        << "pause while stopped does nothing";

    script.log.clear();
    script.position = 100;
    player.play();
    script.mode = Mode::Paused;
    script.resumeError = 263;
    player.pause();
    EXPECT_EQ(script.log, (std::vector<std::string> { "seek a.wav", "play a.wav", "play a.wav" }))
        << "a failed resume plays instead";
}

TEST_F(MediaPlayer, TheCompletionNoticeIsRecordedOnThePlayersThread)
{
    open("a.wav");
    player.play();
    script.ended(true);
    EXPECT_EQ(player.notice(), Notice::None) << "queued, not handled on the back end's thread";
    QCoreApplication::processEvents();
    EXPECT_EQ(player.notice(), Notice::Successful);

    player.play();
    player.play();
    EXPECT_EQ(player.notice(), Notice::Superseded);
    player.stop();
    EXPECT_EQ(player.notice(), Notice::Aborted);

    player.play();
    SoundBackEnd::EndNotice first = script.ended;
    open("b.wav");
    first(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(player.notice(), Notice::Aborted) << "the closed sound's notice is dropped";
    player.play();
    script.ended(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(player.notice(), Notice::Failed);
}
