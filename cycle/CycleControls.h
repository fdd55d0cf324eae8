#pragma once

#include <string>

// The panel controls that carry one list's settings: the enable and random switches and the
// read-only next field, whose text is kept exactly as shown (it is only read as a number at Save).
struct CycleControls {
    bool enabled = false;
    bool random = false;
    std::string next = "1";

    // "tr" enabled at random, "t" enabled in order, "f" disabled whatever random shows.
    std::string switchCode() const;
    // Random only for exactly "tr"; enabled for any code starting with "t", disabled for "f"; any
    // other code leaves the enable switch at `enabledWhenUnknown`.
    void takeSwitchCode(const std::string& code, bool enabledWhenUnknown);
};
