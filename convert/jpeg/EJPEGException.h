#pragma once

#include "cycle/Exception.h"

// A decode ended by libjpeg (an error or the first warning), carrying libjpeg's own message.
class EJPEGException : public Exception {
public:
    using Exception::Exception;
};
