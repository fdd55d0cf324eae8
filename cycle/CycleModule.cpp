#include "cycle/CycleModule.h"

#include "cycle/ClockRandomSource.h"
#include "cycle/ENotEnoughMemory.h"
#include "cycle/Exception.h"
#include "cycle/IntegerText.h"
#include "cycle/LineFiles.h"

#include <algorithm>

namespace {

// A name holding a line break would become two entries once the list file is read back, and a NUL
// would cut it short: such a choice is refused whole.
void refuseUnlistableNames(const CycleModule::FileNames& files)
{
    for (const std::string& name : files) {
        if (name.find_first_of(std::string("\r\n\0", 3)) == std::string::npos)
            continue;
        std::string shown = name;
        std::replace_if(
            shown.begin(), shown.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, '?');
        throw Exception(formatMessage("The file name %s holds a line break and cannot be listed", shown));
    }
}

} // namespace

CycleModule::CycleModule(ModuleParameters parameters, std::string programDirectory, std::shared_ptr<LineFiles> files,
    std::shared_ptr<RandomSource> random)
    : m_parameters(std::move(parameters))
    , m_directory(std::move(programDirectory))
    , m_files(files ? std::move(files) : std::make_shared<LineFiles>())
    , m_random(random ? std::move(random) : std::make_shared<ClockRandomSource>())
    , m_settings(m_parameters.listFiles.size())
{
    for (std::size_t which = 0; which < m_parameters.listFiles.size(); ++which) {
        m_lists.push_back(std::make_unique<CycleList>());
        m_controls.emplace_back();
        m_controls.back().enabled = m_parameters.enabledAtCreation;
    }
    m_parameters.apply.resize(m_lists.size());
    m_lastApplied.resize(m_lists.size());
    m_settings.assign(m_parameters.defaultSettings);
}

std::unique_ptr<CycleModule> CycleModule::startUp(
    ModuleParameters parameters, std::string programDirectory, const std::function<void(const std::string&)>& report)
{
    auto module = std::make_unique<CycleModule>(std::move(parameters), std::move(programDirectory));
    for (const std::string& message : module->load())
        report(message);
    return module;
}

std::string CycleModule::listPath(std::size_t which) const
{
    return m_directory + m_parameters.listFiles.at(which);
}

std::string CycleModule::settingsPath() const
{
    return m_directory + m_parameters.settingsFile;
}

void CycleModule::setEditTarget(std::size_t which)
{
    if (which < m_lists.size())
        m_editTarget = which;
}

void CycleModule::setRejectionNotice(std::function<void(const std::string&)> notice)
{
    m_rejectionNotice = std::move(notice);
}

// A file whose text a NUL ended with more after it shows what stands before the NUL, and is kept
// from being saved over: the rest may be the user's entries, and it can't be told which part holds
// the list that counts.
void CycleModule::readIfPresent(
    const std::string& path, const std::function<void(bool&)>& read, std::vector<std::string>& failures)
{
    if (!m_files->exists(path))
        return;
    bool textAfterNul = false;
    try {
        read(textAfterNul);
    } catch (const ENotEnoughMemory& error) {
        failures.emplace_back(error.what());
        m_refusals.emplace_back(error.what());
        return;
    } catch (const Exception& error) {
        failures.emplace_back(error.what());
        m_refusals.push_back(formatMessage("Cannot open file %s", path));
        return;
    }
    if (textAfterNul) {
        failures.push_back(formatMessage(
            "The file %s holds a NUL byte: the lines after it are not shown, and the file is not saved over "
            "until the byte is removed",
            path));
        m_refusals.push_back(
            formatMessage("The file %s holds a NUL byte and is not saved over until the byte is removed", path));
    }
}

// A file that exists but could not be read at start is not in memory: saving over it would
// replace the user's list with an empty one.
void CycleModule::refuseToReplaceUnreadFiles() const
{
    if (!m_refusals.empty())
        throw Exception(m_refusals.front());
}

bool CycleModule::settingsPassCountTest() const
{
    std::size_t count = m_settings.lineCount(), wanted = m_parameters.defaultSettings.size();
    return m_parameters.settingsMayHoldMoreLines ? count >= wanted : count == wanted;
}

std::vector<std::string> CycleModule::load()
{
    std::vector<std::string> failures;
    m_refusals.clear();
    m_stamps.clear();
    for (std::size_t which = 0; which < m_lists.size(); ++which)
        stampFile(listPath(which));
    stampFile(settingsPath());
    for (std::size_t which = 0; which < m_lists.size(); ++which) {
        LineBlock entries;
        std::string path = listPath(which);
        readIfPresent(
            path, [&](bool& textAfterNul) { m_files->readBlockUpToNul(path, entries, textAfterNul); }, failures);
        m_lists[which]->replaceAll(std::move(entries));
    }
    LineBlock settings;
    readIfPresent(
        settingsPath(), [&](bool& textAfterNul) { m_files->readBlockUpToNul(settingsPath(), settings, textAfterNul); },
        failures);
    m_settings.assign(std::move(settings));
    m_settingsDefaulted = false;
    if (!settingsPassCountTest()) {
        m_settingsDefaulted = m_files->exists(settingsPath());
        m_settings.assign(m_parameters.defaultSettings);
    }
    for (std::size_t which = 0; which < m_lists.size(); ++which) {
        m_controls[which].takeSwitchCode(m_settings.switchCode(which), m_parameters.enabledAtCreation);
        m_controls[which].next = m_settings.next(which);
    }
    if (m_parameters.newEntryFlag)
        m_settings.fitFlags(m_lists.front()->size(), *m_parameters.newEntryFlag);
    return failures;
}

bool CycleModule::changedOnDisk() const
{
    for (const auto& [path, stamp] : m_stamps) {
        if (fileStamp(path) != stamp)
            return true;
    }
    return false;
}

void CycleModule::stampFile(const std::string& path)
{
    m_stamps[path] = fileStamp(path);
}

// The files that pass go into the list in runs, each run before the next refusal is shown, so
// the list holds every file accepted so far while the user reads the message.
std::size_t CycleModule::putEntries(std::size_t row, const FileNames& files)
{
    refuseUnlistableNames(files);
    std::size_t put = 0;
    FileNames run; // last chosen first
    auto putRun = [&] {
        m_lists[m_editTarget]->insertBlock(row + put, run);
        if (m_parameters.newEntryFlag)
            m_settings.insertFlags(row + put, run.size(), *m_parameters.newEntryFlag);
        put += run.size();
        run.clear();
    };
    try {
        for (auto name = files.rbegin(); name != files.rend(); ++name) {
            if (name->empty())
                continue;
            std::optional<std::string> refusal;
            if (m_parameters.checkFile)
                refusal = m_parameters.checkFile(*name);
            if (!refusal) {
                run.push_back(*name);
                continue;
            }
            putRun();
            if (m_rejectionNotice)
                m_rejectionNotice(*refusal);
        }
    } catch (...) {
        putRun();
        throw;
    }
    putRun();
    return put;
}

void CycleModule::add(const FileNames& files)
{
    putEntries(m_lists[m_editTarget]->size(), files);
}

CycleModule::Row CycleModule::insert(const FileNames& files, Row selected, bool otherListSelected)
{
    CycleList& target = *m_lists[m_editTarget];
    if (selected && *selected >= target.size())
        selected.reset();
    if (!selected) {
        WhenNothingSelected rule = m_parameters.insertWithoutSelection;
        bool append = rule == WhenNothingSelected::Append
            || (rule == WhenNothingSelected::AppendIfOtherListSelected && otherListSelected);
        if (append)
            add(files);
        return selected;
    }
    // The selected entry moves down with each file put in front of it.
    return *selected + putEntries(*selected, files);
}

CycleModule::Row CycleModule::remove(Row selected)
{
    CycleList& target = *m_lists[m_editTarget];
    if (selected && *selected < target.size()) {
        target.remove(*selected);
        if (m_parameters.newEntryFlag)
            m_settings.removeFlag(*selected);
        selected.reset();
    }
    if (m_parameters.removePullsBackNext)
        pullBackNext();
    return selected;
}

void CycleModule::pullBackNext()
{
    CycleControls& controls = m_controls[m_editTarget];
    std::size_t count = m_lists[m_editTarget]->size();
    if (integerFromText(controls.next) > static_cast<long long>(count))
        controls.next = std::to_string(count);
}

void CycleModule::chooseNext(Row selected, std::size_t which)
{
    if (selected && *selected < m_lists.at(which)->size())
        m_controls[which].next = std::to_string(*selected + 1);
}
