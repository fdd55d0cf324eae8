#pragma once

#include <vector>

// One step of a module's Save, taken once for the whole module.
enum class SaveStep {
    WriteLists, // every list file, in the order of their settings lines
    StoreSwitches, // each list's switch code into its settings line
    StoreNextFields, // each next field's text into its settings line
    WriteSettings,
    Reload, // the files just written are read back into the lists and settings (the selection goes)
    EachList, // the list steps, for each list in turn
};

// One step of a module's Save for one of its lists. A stop ends that list's steps only.
enum class ListStep {
    StopUnlessEnabled,
    StopIfEmpty,
    Prepare, // the apply step's preparation; when it declines, the list stops
    TakeStoredEntry, // the entry at the stored next position, 0 counting as 1
    TakeShownEntry, // the entry at the next field's position, the field's "0" first made "1"
    Apply, // the apply step, for an enabled list only
    Advance, // the next position moves on, in the settings lines
    WriteAdvancedSettings,
    Finish, // what the apply step sets after the advanced position is stored
};

// A module's Save as the ordered steps it takes.
struct SaveSteps {
    std::vector<SaveStep> module;
    std::vector<ListStep> eachList;
};

// Write the list and settings files with the switches and the next field stored, then for an
// enabled list with entries: prepare, apply the stored entry, advance and write the settings again.
// Cycling a list from its stored settings alone takes these list steps too.
SaveSteps commonSave();
