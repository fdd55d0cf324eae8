#include "cycle/SaveSteps.h"

SaveSteps commonSave()
{
    using enum SaveStep;
    using enum ListStep;
    return {
        { WriteLists, StoreSwitches, StoreNextFields, WriteSettings, EachList },
        { StopUnlessEnabled, StopIfEmpty, Prepare, TakeStoredEntry, Apply, Advance, WriteAdvancedSettings, Finish },
    };
}
