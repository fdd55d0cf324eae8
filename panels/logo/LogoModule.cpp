#include "panels/logo/LogoModule.h"

#include "panels/logo/LogoApply.h"
#include "panels/logo/LogoFormatCheck.h"

ModuleParameters logoModule()
{
    ModuleParameters module = singleListModule("brisko.dat", "brisko.cfg");
    module.insertWithoutSelection = WhenNothingSelected::Append;
    return module;
}

ModuleParameters logoModule(std::shared_ptr<LogoApply> apply)
{
    ModuleParameters module = logoModule();
    module.checkFile = checkLogoFile;
    module.apply.at(0) = LogoApply::hooks(std::move(apply));
    return module;
}
