#pragma once

#include "panels/sound/SoundDevice.h"

#include <string>
#include <windows.h>

// After windows.h, which it builds on.
#include <mmsystem.h>

class MciSoundBackEnd;

// One sound opened as an MCI device; closed with MCI_CLOSE when destroyed, with its notice window. Every command but
// play and resume waits for MCI to carry it out; those two ask for a notice instead. Positions are in the device's own
// time format, which for wave audio is milliseconds.
class MciSoundDevice : public SoundDevice {
public:
    MciSoundDevice(MciSoundBackEnd& backEnd, SoundBackEnd::EndNotice ended);
    ~MciSoundDevice() override;
    MciSoundDevice(const MciSoundDevice&) = delete;
    MciSoundDevice& operator=(const MciSoundDevice&) = delete;

    // Opens the file, waiting for MCI; 0 or MCI's error code.
    MCIERROR open(const std::string& fileName);

    int play() override;
    int seekToStart() override;
    int pause() override;
    int resume() override;
    int stop() override;
    Mode mode() override;
    std::uint64_t position() override;
    std::uint64_t length() override;

private:
    int command(UINT message, DWORD_PTR flags);
    DWORD_PTR status(DWORD item, bool& ok);

    MciSoundBackEnd& m_backEnd;
    HWND m_window;
    MCIDEVICEID m_device = 0; // none until opened
};
