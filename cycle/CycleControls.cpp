#include "cycle/CycleControls.h"

std::string CycleControls::switchCode() const
{
    if (!enabled)
        return "f";
    return random ? "tr" : "t";
}

void CycleControls::takeSwitchCode(const std::string& code, bool enabledWhenUnknown)
{
    random = code == "tr";
    if (code.starts_with('t'))
        enabled = true;
    else if (code == "f")
        enabled = false;
    else
        enabled = enabledWhenUnknown;
}
