#pragma once

#include "cycle/Exception.h"

// A file that cannot be opened for reading ("Cannot open file <name>").
class EFOpenError : public Exception {
public:
    using Exception::Exception;
};
