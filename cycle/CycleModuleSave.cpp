#include "cycle/Advance.h"
#include "cycle/CycleModule.h"
#include "cycle/EListError.h"
#include "cycle/Exception.h"
#include "cycle/IntegerText.h"
#include "cycle/LineFiles.h"

#include <algorithm>

void CycleModule::save()
{
    std::fill(m_lastApplied.begin(), m_lastApplied.end(), std::nullopt);
    refuseToReplaceUnreadFiles();
    for (SaveStep step : m_parameters.save.module)
        runStep(step);
}

StoredCycle CycleModule::cycleStored(std::size_t which, bool write)
{
    refuseToReplaceUnreadFiles();
    if (m_settingsDefaulted)
        throw Exception(formatMessage("The settings file %s is damaged", settingsPath()));
    // The switches as the panel shows them for this code, so that what the panel shows ticked cycles.
    CycleControls stored;
    stored.takeSwitchCode(m_settings.switchCode(which), m_parameters.enabledAtCreation);
    return runList(commonSave().eachList, which, stored, !write);
}

void CycleModule::runStep(SaveStep step)
{
    switch (step) {
    case SaveStep::WriteLists:
        for (std::size_t which = 0; which < m_lists.size(); ++which)
            writeList(which);
        break;
    case SaveStep::StoreSwitches:
        for (std::size_t which = 0; which < m_lists.size(); ++which)
            m_settings.setSwitchCode(which, m_controls[which].switchCode());
        break;
    case SaveStep::StoreNextFields:
        for (std::size_t which = 0; which < m_lists.size(); ++which)
            m_settings.setNext(which, m_controls[which].next);
        break;
    case SaveStep::WriteSettings:
        writeSettings();
        break;
    case SaveStep::Reload:
        reloadFiles();
        break;
    case SaveStep::EachList:
        for (std::size_t which = 0; which < m_lists.size(); ++which)
            runList(m_parameters.save.eachList, which, m_controls[which]);
        break;
    }
}

StoredCycle CycleModule::runList(
    const std::vector<ListStep>& steps, std::size_t which, const CycleControls& switches, bool dryRun)
{
    ListRun run { which, switches.enabled, switches.random, dryRun, {} };
    run.cycle.count = m_lists.at(which)->size();
    run.cycle.random = switches.random;
    for (ListStep step : steps)
        if (!runListStep(step, run))
            break;
    return run.cycle;
}

bool CycleModule::runListStep(ListStep step, ListRun& run)
{
    const ApplyHooks& hooks = m_parameters.apply[run.which];
    StoredCycle& cycle = run.cycle;
    switch (step) {
    case ListStep::StopUnlessEnabled:
        cycle.outcome = StoredCycle::Outcome::Disabled;
        return run.enabled;
    case ListStep::StopIfEmpty:
        cycle.outcome = StoredCycle::Outcome::EmptyList;
        return cycle.count > 0;
    case ListStep::Prepare:
        cycle.outcome = StoredCycle::Outcome::Skipped;
        return run.dryRun || !hooks.prepare || hooks.prepare();
    case ListStep::TakeStoredEntry: {
        int position = integerFromText(m_settings.next(run.which));
        takeEntry(run, position == 0 ? 1 : position);
        break;
    }
    case ListStep::TakeShownEntry: {
        std::string& shown = m_controls[run.which].next;
        if (shown == "0")
            shown = "1";
        takeEntry(run, integerFromText(shown));
        break;
    }
    case ListStep::Apply:
        if (run.enabled && !run.dryRun && hooks.apply) {
            hooks.apply(cycle.entry);
            m_lastApplied[run.which] = cycle.entry;
        }
        break;
    case ListStep::Advance:
        if (run.dryRun) {
            cycle.next = cycle.random && cycle.count >= 2
                ? 0
                : advancePosition(cycle.entry.position, cycle.count, false, *m_random);
            break;
        }
        cycle.next = advancePosition(cycle.entry.position, cycle.count, run.random, *m_random);
        m_settings.setNext(run.which, std::to_string(cycle.next));
        break;
    case ListStep::WriteAdvancedSettings:
        if (!run.dryRun)
            writeSettings();
        break;
    case ListStep::Finish:
        if (!run.dryRun && hooks.finish)
            hooks.finish(cycle.entry);
        break;
    }
    return true;
}

void CycleModule::takeEntry(ListRun& run, int position)
{
    const CycleList& entries = *m_lists[run.which];
    if (position < 1 || static_cast<std::size_t>(position) > entries.size())
        throw EListError();
    AppliedEntry& entry = run.cycle.entry;
    entry.position = static_cast<std::size_t>(position);
    entry.path = std::string(entries.at(entry.position - 1));
    if (m_parameters.newEntryFlag && entry.position <= m_settings.flagCount())
        entry.flag = std::string(m_settings.flag(entry.position - 1));
    run.cycle.outcome = StoredCycle::Outcome::Applied;
}

void CycleModule::writeList(std::size_t which)
{
    m_files->writeBlock(listPath(which), m_lists[which]->entries());
    stampFile(listPath(which));
}

void CycleModule::writeSettings()
{
    m_files->writeBlock(settingsPath(), m_settings.block());
    stampFile(settingsPath());
    for (std::size_t which = 0; which < m_lists.size(); ++which)
        m_controls[which].next = m_settings.next(which);
}

void CycleModule::reloadFiles()
{
    LineBlock settings;
    m_files->readBlock(settingsPath(), settings);
    m_settings.assign(std::move(settings));
    for (std::size_t which = 0; which < m_lists.size(); ++which) {
        LineBlock entries;
        m_files->readBlock(listPath(which), entries);
        m_lists[which]->replaceAll(std::move(entries));
    }
}
