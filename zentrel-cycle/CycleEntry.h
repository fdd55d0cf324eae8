#pragma once

#include "cycle/ModuleParameters.h"
#include "zentrel-cycle/CycleServices.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// One module as the start-up cycling runs it: its cycle-list parameters with the apply step filled
// in, and how its output lines read.
struct CycleEntry {
    std::string name; // as --only takes it
    std::vector<std::string> lineNames; // the output line's name for each of its lists, in list order
    std::function<ModuleParameters(const CycleServices&)> parameters;
    // Words that follow an applied entry's path on its line (" (tiled)"), or nothing.
    std::function<std::string(const AppliedEntry&)> describe;
    // The line's words when the apply step finds no place for the entry in Windows.
    std::string skipped = "skipped";
    // Where an apply step that goes on after a failure (as the theme's shell does) leaves its
    // messages; the module still advances, but its line reports the failure. Null for the others.
    std::shared_ptr<std::vector<std::string>> reportedFailures;
};

// Every module, in the order they are cycled. The theme comes last so that what a theme sets wins
// over what the single modules set before it.
std::vector<CycleEntry> cycleEntries();

// The names --only takes, in cycling order.
std::vector<std::string> namesOf(const std::vector<CycleEntry>& entries);

// The entries --only names, in cycling order; all of them when it names none.
std::vector<CycleEntry> chosen(std::vector<CycleEntry> entries, const std::vector<std::string>& only);
