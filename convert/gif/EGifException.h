#pragma once

#include "cycle/Exception.h"

// A GIF file that breaks the format's rules; carries only its message.
class EGifException : public Exception {
public:
    using Exception::Exception;
};
