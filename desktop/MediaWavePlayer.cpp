#include "desktop/MediaWavePlayer.h"

#include "cycle/Exception.h"
#include "panels/sound/TMediaPlayer.h"

#include <chrono>
#include <thread>

MediaWavePlayer::MediaWavePlayer(std::shared_ptr<SoundBackEnd> backEnd)
    : m_backEnd(std::move(backEnd))
{
}

void MediaWavePlayer::playOnce(const std::string& path)
{
    TMediaPlayer player(m_backEnd);
    player.FileName = path;
    player.open();
    player.play();
    if (player.error() != 0)
        throw Exception(formatMessage("Cannot play %s", path));
    // A device that stops taking samples must not hold the login up: the sound's own length and a
    // second more is all the wait.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(player.length() + 1000);
    while (player.mode() == SoundDevice::Mode::Playing && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}
