#pragma once

#include "cycle/Exception.h"

#include <functional>
#include <string>

// What the action's failure says, or "no failure" when it goes through.
inline std::string failureOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Exception& error) {
        return error.what();
    }
    return "no failure";
}
