#pragma once

#include "cycle/Exception.h"

// A failure of the sound player: the audio back end's own text for it, or one of the player's
// messages ("No MCI device open", "Unknown error code").
class EMCIDeviceError : public Exception {
public:
    using Exception::Exception;
};
