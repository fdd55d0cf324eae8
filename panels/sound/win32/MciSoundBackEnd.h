#pragma once

#include "panels/sound/SoundDevice.h"

#include <future>
#include <thread>
#include <windows.h>

// After windows.h, which it builds on.
#include <mmsystem.h>

// Plays sounds through the Windows Media Control Interface (winmm). Each open sound is an MCI
// device opened from its file, the device type chosen by MCI. Each has a message-only window of its
// own for the notices of its commands, on a thread of the back end's that hands them to the sound's
// end notice: a device number that MCI gives again to the next sound never gets the notices of the
// one before, which die with its window.
class MciSoundBackEnd : public SoundBackEnd {
public:
    MciSoundBackEnd();
    ~MciSoundBackEnd() override;
    MciSoundBackEnd(const MciSoundBackEnd&) = delete;
    MciSoundBackEnd& operator=(const MciSoundBackEnd&) = delete;

    std::unique_ptr<SoundDevice> open(const std::string& fileName, EndNotice ended) override;

    // The platform's text for an MCI error code, or empty when it has none.
    static std::string errorText(MCIERROR code);

    // A window on the back end's thread that hands the MCI notices it receives to `ended`; null
    // when none can be made.
    HWND makeNoticeWindow(EndNotice ended);
    void destroyNoticeWindow(HWND window);

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void runNotices(std::promise<HWND>& ready);

    std::thread m_thread;
    HWND m_window = nullptr; // the back end's own, which makes and destroys the sounds' windows
};
