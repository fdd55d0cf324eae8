#include "zentrel-cycle/CycleRun.h"

#include "cycle/CycleModule.h"

#include <exception>
#include <new>
#include <ostream>

namespace {

std::string describe(const CycleEntry& entry, const StoredCycle& cycle, bool dryRun)
{
    switch (cycle.outcome) {
    case StoredCycle::Outcome::Disabled:
        return "disabled";
    case StoredCycle::Outcome::EmptyList:
        return "empty list";
    case StoredCycle::Outcome::Skipped:
        return entry.skipped;
    case StoredCycle::Outcome::Applied:
        break;
    }
    std::string line = dryRun ? "would apply " : "applied ";
    line += std::to_string(cycle.entry.position) + " of " + std::to_string(cycle.count) + " " + cycle.entry.path;
    if (entry.describe)
        line += entry.describe(cycle.entry);
    line += cycle.next == 0 ? ", next at random" : ", next " + std::to_string(cycle.next);
    return line;
}

} // namespace

CycleRun::CycleRun(CycleServices services, std::ostream& out, std::ostream& errors)
    : m_services(std::move(services))
    , m_out(out)
    , m_errors(errors)
{
}

bool CycleRun::run(const std::vector<CycleEntry>& entries, bool dryRun)
{
    bool allWell = true;
    for (const CycleEntry& entry : entries)
        allWell = cycle(entry, dryRun) && allWell;
    return allWell;
}

bool CycleRun::cycle(const CycleEntry& entry, bool dryRun)
{
    std::unique_ptr<CycleModule> module;
    try {
        module = std::make_unique<CycleModule>(
            entry.parameters(m_services), m_services.programDirectory, m_services.files, m_services.random);
        // A file that could not be read is refused by the cycling itself, with the same message.
        module->load();
    } catch (const std::bad_alloc&) {
        for (const std::string& lineName : entry.lineNames)
            fail(lineName, { "Out of memory" });
        return false;
    } catch (const std::exception& error) {
        for (const std::string& lineName : entry.lineNames)
            fail(lineName, { error.what() });
        return false;
    }
    bool allWell = true;
    for (std::size_t which = 0; which < entry.lineNames.size(); ++which) {
        std::string line;
        std::vector<std::string> failures;
        try {
            line = describe(entry, module->cycleStored(which, !dryRun), dryRun);
        } catch (const std::bad_alloc&) {
            failures.push_back("Out of memory");
        } catch (const std::exception& error) {
            failures.push_back(error.what());
        }
        if (entry.reportedFailures) {
            failures.insert(failures.begin(), entry.reportedFailures->begin(), entry.reportedFailures->end());
            entry.reportedFailures->clear();
        }
        if (failures.empty()) {
            m_out << entry.lineNames[which] << ": " << line << std::endl;
        } else {
            fail(entry.lineNames[which], failures);
            allWell = false;
        }
    }
    return allWell;
}

void CycleRun::failAll(const std::vector<CycleEntry>& entries, const std::string& message)
{
    for (const CycleEntry& entry : entries) {
        for (const std::string& lineName : entry.lineNames)
            fail(lineName, { message });
    }
}

void CycleRun::fail(const std::string& lineName, const std::vector<std::string>& messages)
{
    m_out << lineName << ": failed" << std::endl;
    // The error box's text: the message and a full stop, always.
    for (const std::string& message : messages)
        m_errors << message << "." << std::endl;
}
