#include "panels/saver/SaverModule.h"

ModuleParameters saverModule()
{
    ModuleParameters module = singleListModule("dozarn.dat", "dozarn.cfg");
    module.insertWithoutSelection = WhenNothingSelected::InsertNothing;
    return module;
}
