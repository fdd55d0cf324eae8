// zentrel-cycle: at each start of the session, applies and advances every enabled Zentrel list.
#include "zentrel-cycle/CycleCommand.h"

#include <iostream>

int main(int argc, char** argv)
{
    return runCycleCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
        ZENTREL_INSTALLED ? Installation::Installed : Installation::BuiltHere);
}
