#include "panels/logo/LogoModule.h"

ModuleParameters logoModule()
{
    ModuleParameters module = singleListModule("brisko.dat", "brisko.cfg");
    module.insertWithoutSelection = WhenNothingSelected::Append;
    return module;
}
