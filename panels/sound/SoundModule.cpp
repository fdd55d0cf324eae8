#include "panels/sound/SoundModule.h"

ModuleParameters soundModule()
{
    ModuleParameters module;
    module.listFiles = { "tonvikst.dat", "tonvikxt.dat" };
    module.settingsFile = "tonvik.cfg";
    module.defaultSettings = { "t", "1", "t", "1" };
    module.apply.resize(2);
    module.insertWithoutSelection = WhenNothingSelected::AppendIfOtherListSelected;
    module.removePullsBackNext = false;
    module.save.nextFieldStoredBeforeApply = false;
    module.save.settingsWrittenBeforeApply = false;
    module.save.settingsWrittenAfterApply = false;
    module.save.settingsWrittenAtEnd = true;
    module.save.zeroFieldTextReplaced = true;
    return module;
}
