#include "panels/sound/win32/MciSoundDevice.h"

#include "panels/sound/win32/MciSoundBackEnd.h"

MciSoundDevice::MciSoundDevice(MciSoundBackEnd& backEnd, SoundBackEnd::EndNotice ended)
    : m_backEnd(backEnd)
    , m_window(backEnd.makeNoticeWindow(std::move(ended)))
{
}

MciSoundDevice::~MciSoundDevice()
{
    if (m_device != 0) {
        MCI_GENERIC_PARMS parameters {};
        mciSendCommandA(m_device, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&parameters));
    }
    m_backEnd.destroyNoticeWindow(m_window);
}

MCIERROR MciSoundDevice::open(const std::string& fileName)
{
    MCI_OPEN_PARMSA parameters {};
    parameters.dwCallback = reinterpret_cast<DWORD_PTR>(m_window);
    parameters.lpstrElementName = fileName.c_str();
    MCIERROR error
        = mciSendCommandA(0, MCI_OPEN, MCI_WAIT | MCI_OPEN_ELEMENT, reinterpret_cast<DWORD_PTR>(&parameters));
    if (error == 0)
        m_device = parameters.wDeviceID;
    return error;
}

// Every command's parameters begin with the window for its notice, so the generic ones serve all
// the commands that take no more.
int MciSoundDevice::command(UINT message, DWORD_PTR flags)
{
    MCI_GENERIC_PARMS parameters {};
    parameters.dwCallback = reinterpret_cast<DWORD_PTR>(m_window);
    return static_cast<int>(mciSendCommandA(m_device, message, flags, reinterpret_cast<DWORD_PTR>(&parameters)));
}

int MciSoundDevice::play()
{
    MCI_PLAY_PARMS parameters {};
    parameters.dwCallback = reinterpret_cast<DWORD_PTR>(m_window);
    return static_cast<int>(mciSendCommandA(m_device, MCI_PLAY, MCI_NOTIFY, reinterpret_cast<DWORD_PTR>(&parameters)));
}

int MciSoundDevice::seekToStart()
{
    MCI_SEEK_PARMS parameters {};
    return static_cast<int>(
        mciSendCommandA(m_device, MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&parameters)));
}

int MciSoundDevice::pause()
{
    return command(MCI_PAUSE, MCI_WAIT);
}

int MciSoundDevice::resume()
{
    return command(MCI_RESUME, MCI_NOTIFY);
}

int MciSoundDevice::stop()
{
    return command(MCI_STOP, MCI_WAIT);
}

DWORD_PTR MciSoundDevice::status(DWORD item, bool& ok)
{
    MCI_STATUS_PARMS parameters {};
    parameters.dwItem = item;
    ok = mciSendCommandA(m_device, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&parameters))
        == 0;
    return ok ? parameters.dwReturn : 0;
}

SoundDevice::Mode MciSoundDevice::mode()
{
    bool ok = false;
    DWORD_PTR mode = status(MCI_STATUS_MODE, ok);
    if (!ok || mode < MCI_MODE_NOT_READY || mode > MCI_MODE_OPEN)
        return Mode::NotReady;
    return static_cast<Mode>(mode);
}

std::uint64_t MciSoundDevice::position()
{
    bool ok = false;
    return status(MCI_STATUS_POSITION, ok);
}

// A length that can't be learnt differs from every position, so play never seeks because of it.
std::uint64_t MciSoundDevice::length()
{
    bool ok = false;
    DWORD_PTR length = status(MCI_STATUS_LENGTH, ok);
    return ok ? length : ~std::uint64_t(0);
}
