#include "panels/sound/SoundPlayer.h"

#include "panels/sound/EMCIDeviceError.h"

#include <chrono>
#include <thread>

namespace {

constexpr int openFailed = 1;

} // namespace

SoundPlayer::SoundPlayer(std::shared_ptr<SoundBackEnd> backEnd, NoticeDelivery deliver)
    : m_backEnd(backEnd ? std::move(backEnd) : platformSoundBackEnd())
    , m_deliver(std::move(deliver))
{
}

SoundPlayer::~SoundPlayer()
{
    close();
}

SoundDevice& SoundPlayer::device() const
{
    if (!m_device)
        throw EMCIDeviceError("No MCI device open");
    return *m_device;
}

void SoundPlayer::open()
{
    close();
    unsigned serial = ++m_serial;
    auto ended
        = [this, serial](bool completed) { m_deliver([this, serial, completed] { this->ended(serial, completed); }); };
    try {
        m_device = m_backEnd->open(FileName, ended);
    } catch (const EMCIDeviceError& failure) {
        record(openFailed);
        std::string text = failure.what();
        throw EMCIDeviceError(text.empty() ? "Unknown error code" : text);
    }
    record(0);
}

void SoundPlayer::close()
{
    if (!m_device)
        return;
    if (m_notifyPending)
        settle(Notice::Aborted);
    m_device.reset();
}

void SoundPlayer::play()
{
    SoundDevice& sound = device();
    if (sound.position() == sound.length())
        record(sound.seekToStart());
    if (m_notifyPending)
        settle(Notice::Superseded);
    record(sound.play());
    m_notifyPending = m_error == 0;
}

void SoundPlayer::pause()
{
    SoundDevice& sound = device();
    switch (sound.mode()) {
    case SoundDevice::Mode::Playing:
        record(sound.pause());
        break;
    case SoundDevice::Mode::Paused:
        record(sound.resume());
        if (m_error != 0)
            play();
        break;
    default:
        break;
    }
}

void SoundPlayer::stop()
{
    record(device().stop());
    if (m_notifyPending)
        settle(Notice::Aborted);
}

SoundDevice::Mode SoundPlayer::mode() const
{
    return m_device ? m_device->mode() : SoundDevice::Mode::NotReady;
}

std::uint64_t SoundPlayer::position() const
{
    return m_device ? m_device->position() : 0;
}

std::uint64_t SoundPlayer::length() const
{
    return m_device ? m_device->length() : 0;
}

void SoundPlayer::waitWhilePlaying() const
{
    while (mode() == SoundDevice::Mode::Playing)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

void SoundPlayer::settle(Notice notice)
{
    m_notice = notice;
    m_notifyPending = false;
}

void SoundPlayer::ended(unsigned serial, bool completed)
{
    if (serial == m_serial && m_notifyPending)
        settle(completed ? Notice::Successful : Notice::Failed);
}
