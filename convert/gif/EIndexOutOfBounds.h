#pragma once

#include "cycle/Exception.h"

// An index outside a byte container, or a decoded row that falls outside the image.
class EIndexOutOfBounds : public Exception {
public:
    EIndexOutOfBounds()
        : Exception("Dynamic array index out of bounds")
    {
    }
};
