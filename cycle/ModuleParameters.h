#pragma once

#include "cycle/LineList.h"
#include "cycle/SaveSteps.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The entry that Save hands to a module's apply step.
struct AppliedEntry {
    std::size_t position = 0; // 1-based
    std::string path;
    std::string flag; // the entry's settings flag, for a module that keeps one
};

// A module's apply step, split where the Save steps interleave its own writes.
struct ApplyHooks {
    // Runs before the next position is read, so its failures come first. Returning false skips the
    // list: nothing is applied and the position stays.
    std::function<bool()> prepare;
    // Sets Windows to the entry; runs only for an enabled list.
    std::function<void(const AppliedEntry&)> apply;
    // Runs after the advanced position has been written, for what the module sets last.
    std::function<void(const AppliedEntry&)> finish;
};

// What Insert does when the list control has no selected entry.
enum class WhenNothingSelected {
    InsertNothing,
    Append,
    // Append only when another list of the module has a selected entry.
    AppendIfOtherListSelected,
};

// Everything in which one module's cycle lists differ from another's.
struct ModuleParameters {
    std::vector<std::string> listFiles; // one per list, in the order of their settings lines
    std::string settingsFile;
    LineList defaultSettings;
    // The defaults replace loaded settings with fewer lines than the defaults; otherwise with any
    // other number of lines.
    bool settingsMayHoldMoreLines = false;
    // A module with one flag line per entry gives the flag a new entry gets.
    std::optional<std::string> newEntryFlag;
    // The enable switch's state before the settings are read; a stored code that is neither "f" nor
    // starts with "t" leaves it so.
    bool enabledAtCreation = false;
    WhenNothingSelected insertWithoutSelection = WhenNothingSelected::InsertNothing;
    bool removePullsBackNext = true;
    SaveSteps save = commonSave();
    // May refuse a chosen file for Add and Insert, returning the message to show for it. It may also
    // throw, which ends the Add or Insert with the files accepted before it listed.
    std::function<std::optional<std::string>(const std::string& path)> checkFile;
    std::vector<ApplyHooks> apply; // one per list; empty hooks do nothing
};

// The common shape: one list, settings of exactly a switch code and a next position ("t", "1" by
// default), Remove pulling the next position back into range, the common Save sequence.
ModuleParameters singleListModule(std::string listFile, std::string settingsFile);
