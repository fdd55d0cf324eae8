#pragma once

#include "zentrel-cycle/CycleEntry.h"
#include "zentrel-cycle/CycleServices.h"

#include <iosfwd>
#include <vector>

// Cycles modules one after another, one line each on `out`; a module that fails puts its message
// (the error box's text) on `errors` and the others still run.
class CycleRun {
public:
    CycleRun(CycleServices services, std::ostream& out, std::ostream& errors);

    // Returns true when no module failed. A dry run applies and writes nothing.
    bool run(const std::vector<CycleEntry>& entries, bool dryRun);

    // Reports every list of `entries` as failed with the one message.
    void failAll(const std::vector<CycleEntry>& entries, const std::string& message);

private:
    bool cycle(const CycleEntry& entry, bool dryRun);
    void fail(const std::string& lineName, const std::vector<std::string>& messages);

    CycleServices m_services;
    std::ostream& m_out;
    std::ostream& m_errors;
};
