#include "panels/sound/SoundModule.h"

#include "panels/sound/SoundApply.h"

ModuleParameters soundModule()
{
    ModuleParameters module;
    module.listFiles = { "tonvikst.dat", "tonvikxt.dat" };
    module.settingsFile = "tonvik.cfg";
    module.defaultSettings = { "t", "1", "t", "1" };
    module.apply.resize(2);
    module.insertWithoutSelection = WhenNothingSelected::AppendIfOtherListSelected;
    module.removePullsBackNext = false;
    using enum SaveStep;
    using enum ListStep;
    module.save = {
        { WriteLists, StoreSwitches, EachList, WriteSettings },
        { StopUnlessEnabled, StopIfEmpty, Prepare, TakeShownEntry, Apply, Advance },
    };
    return module;
}

ModuleParameters soundModule(std::shared_ptr<SoundApply> apply)
{
    ModuleParameters module = soundModule();
    module.apply.at(StartupSounds) = SoundApply::hooks(apply, SoundEvent::SystemStart);
    module.apply.at(ShutdownSounds) = SoundApply::hooks(std::move(apply), SoundEvent::SystemExit);
    return module;
}
