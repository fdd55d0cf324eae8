#pragma once

#include "cycle/Exception.h"

// An index outside a byte container, or a decoded row that falls outside the image.
class EIndexOutOfBounds : public Exception {
public:
    using Exception::Exception;
};

inline constexpr char DynamicArrayIndexOutOfBounds[] = "Dynamic array index out of bounds";
