#pragma once

#include "cycle/Exception.h"

// A position outside a cycle list: a next position past the end or below 1 at Save.
class EListError : public Exception {
public:
    EListError()
        : Exception("List index out of bounds")
    {
    }
};
