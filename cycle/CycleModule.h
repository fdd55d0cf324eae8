#pragma once

#include "cycle/CycleControls.h"
#include "cycle/CycleList.h"
#include "cycle/FileStamp.h"
#include "cycle/ModuleParameters.h"
#include "cycle/SettingsLines.h"
#include "cycle/StoredCycle.h"

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class LineFiles;
class RandomSource;

// One module's cycle lists with their settings, switches and next fields, and what the user does
// with them in the module's panel. The list controls belong to the window, so the operations that
// act on the selected entry take its row and give back the row to select afterwards.
class CycleModule {
public:
    using Row = std::optional<std::size_t>; // 0-based, as the list control counts
    using FileNames = std::vector<std::string>;

    // Without files or a random source given, the module uses the disk and a clock-seeded source.
    CycleModule(ModuleParameters parameters, std::string programDirectory, std::shared_ptr<LineFiles> files = {},
        std::shared_ptr<RandomSource> random = {});

    // Builds a module at program start and loads it; each message of a file that could not be read
    // goes to `report`, and the start goes on.
    static std::unique_ptr<CycleModule> startUp(ModuleParameters parameters, std::string programDirectory,
        const std::function<void(const std::string& message)>& report);

    // Reads the list and settings files that exist. A file that cannot be read is left out (its
    // list stays empty, its settings take the defaults) and its message is returned; the rest loads.
    std::vector<std::string> load();
    // Whether a list or settings file changed on disk (another program wrote it) since the module
    // last read or wrote it.
    bool changedOnDisk() const;

    std::size_t listCount() const { return m_lists.size(); }
    const CycleList& list(std::size_t which = 0) const { return *m_lists.at(which); }
    const CycleControls& controls(std::size_t which = 0) const { return m_controls.at(which); }
    const SettingsLines& settings() const { return m_settings; }
    std::string listPath(std::size_t which = 0) const;
    std::string settingsPath() const;

    void setEnabled(bool enabled, std::size_t which = 0) { m_controls.at(which).enabled = enabled; }
    void setRandom(bool random, std::size_t which = 0) { m_controls.at(which).random = random; }

    // The list that Add, Insert and Remove act on.
    std::size_t editTarget() const { return m_editTarget; }
    void setEditTarget(std::size_t which);

    // Tells the user about a chosen file that the module's check refused.
    void setRejectionNotice(std::function<void(const std::string& message)> notice);

    // The files as the open dialog returns them; they land in the reverse of that order.
    void add(const FileNames& files);
    Row insert(const FileNames& files, Row selected, bool otherListSelected = false);
    Row remove(Row selected);
    void chooseNext(Row selected, std::size_t which = 0);
    void save();
    // The entry each list's last Save applied; none for a list it left alone (disabled, empty,
    // skipped) or when that Save failed before it.
    const std::optional<AppliedEntry>& lastApplied(std::size_t which = 0) const { return m_lastApplied.at(which); }

    // The cycling done at each system start, without a panel: when the stored switch code ticks
    // the enable switch as the panel reads it and the list is not empty, applies the entry at the stored position ("0"
    // as 1), advances by the stored switch and writes the settings file, and nothing else. A dry run
    // (`write` false) runs no apply step and writes nothing. A settings file that is there but was
    // unreadable or had the wrong number of lines is refused, so the defaults never replace it.
    StoredCycle cycleStored(std::size_t which = 0, bool write = true);

    // The per-entry flags of a module that keeps them (the wallpaper's tiling).
    std::string_view flag(std::size_t row) const { return m_settings.flag(row); }
    void setFlag(std::size_t row, std::string_view flag) { m_settings.setFlag(row, flag); }
    void setAllFlags(std::string_view flag) { m_settings.setAllFlags(flag); }

private:
    // Returns how many of the files were put in the list.
    std::size_t putEntries(std::size_t row, const FileNames& files);
    void pullBackNext();

    void readIfPresent(
        const std::string& path, const std::function<void(bool&)>& read, std::vector<std::string>& failures);
    void refuseToReplaceUnreadFiles() const;
    bool settingsPassCountTest() const;

    // Save and the cycling at system start run the module's steps (CycleModuleSave.cpp).
    struct ListRun {
        std::size_t which;
        bool enabled;
        bool random;
        bool dryRun; // runs no apply step, draws no random position and writes nothing
        StoredCycle cycle;
    };
    void runStep(SaveStep step);
    StoredCycle runList(
        const std::vector<ListStep>& steps, std::size_t which, const CycleControls& switches, bool dryRun = false);
    bool runListStep(ListStep step, ListRun& run);
    void takeEntry(ListRun& run, int position);
    // Each write shows the stored next positions in the next fields, so the next Save takes up
    // where this one ended.
    void writeSettings();
    void writeList(std::size_t which);
    void stampFile(const std::string& path);
    void reloadFiles();

    ModuleParameters m_parameters;
    std::string m_directory;
    std::shared_ptr<LineFiles> m_files;
    std::shared_ptr<RandomSource> m_random;
    std::vector<std::unique_ptr<CycleList>> m_lists;
    std::vector<CycleControls> m_controls;
    std::vector<std::optional<AppliedEntry>> m_lastApplied;
    SettingsLines m_settings;
    std::size_t m_editTarget = 0;
    std::vector<std::string> m_refusals; // why files read at start may not be saved over
    bool m_settingsDefaulted = false; // a settings file was read but failed the count test
    std::function<void(const std::string&)> m_rejectionNotice;
    std::map<std::string, FileStamp> m_stamps; // each file as last read or written
};
