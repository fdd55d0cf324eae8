#include "panels/saver/SaverModule.h"

#include "panels/saver/SaverApply.h"

ModuleParameters saverModule()
{
    ModuleParameters module = singleListModule("dozarn.dat", "dozarn.cfg");
    module.insertWithoutSelection = WhenNothingSelected::InsertNothing;
    return module;
}

ModuleParameters saverModule(std::shared_ptr<SaverApply> apply)
{
    ModuleParameters module = saverModule();
    module.apply.at(0) = SaverApply::hooks(std::move(apply));
    return module;
}
