#include "panels/sound/TMediaPlayer.h"

#include "panels/sound/EMCIDeviceError.h"

#include <chrono>
#include <thread>

namespace {

constexpr int openFailed = 1;

} // namespace

TMediaPlayer::TMediaPlayer(std::shared_ptr<SoundBackEnd> backEnd, QObject* parent)
    : QObject(parent)
    , m_backEnd(backEnd ? std::move(backEnd) : platformSoundBackEnd())
{
}

TMediaPlayer::~TMediaPlayer()
{
    close();
}

SoundDevice& TMediaPlayer::device() const
{
    if (!m_device)
        throw EMCIDeviceError("No MCI device open");
    return *m_device;
}

void TMediaPlayer::open()
{
    close();
    unsigned serial = ++m_serial;
    // The notice comes from the back end's thread; it is handled on this object's thread, and is
    // dropped with the object should that be gone first.
    auto ended = [this, serial](bool completed) {
        QMetaObject::invokeMethod(
            this, [this, serial, completed] { this->ended(serial, completed); }, Qt::QueuedConnection);
    };
    try {
        m_device = m_backEnd->open(FileName, ended);
    } catch (const EMCIDeviceError& failure) {
        record(openFailed);
        std::string text = failure.what();
        throw EMCIDeviceError(text.empty() ? "Unknown error code" : text);
    }
    record(0);
}

void TMediaPlayer::close()
{
    if (!m_device)
        return;
    if (m_notifyPending)
        settle(Notice::Aborted);
    m_device.reset();
}

void TMediaPlayer::play()
{
    SoundDevice& sound = device();
    if (sound.position() == sound.length())
        record(sound.seekToStart());
    if (m_notifyPending)
        settle(Notice::Superseded);
    record(sound.play());
    m_notifyPending = m_error == 0;
}

void TMediaPlayer::pause()
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

void TMediaPlayer::stop()
{
    record(device().stop());
    if (m_notifyPending)
        settle(Notice::Aborted);
}

SoundDevice::Mode TMediaPlayer::mode() const
{
    return m_device ? m_device->mode() : SoundDevice::Mode::NotReady;
}

std::uint64_t TMediaPlayer::position() const
{
    return m_device ? m_device->position() : 0;
}

std::uint64_t TMediaPlayer::length() const
{
    return m_device ? m_device->length() : 0;
}

void TMediaPlayer::waitWhilePlaying() const
{
    while (mode() == SoundDevice::Mode::Playing)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

void TMediaPlayer::settle(Notice notice)
{
    m_notice = notice;
    m_notifyPending = false;
}

void TMediaPlayer::ended(unsigned serial, bool completed)
{
    if (serial == m_serial && m_notifyPending)
        settle(completed ? Notice::Successful : Notice::Failed);
}
