#pragma once

#include "cycle/CycleModule.h"

#include <memory>
#include <string>
#include <vector>

class LineFiles;
class RandomSource;
class Registry;
class SaverApply;
class System;

// What the user does in the screen-saver panel, without the window: the list with its selected
// entry, Preview and Options of that entry through the system's shell, and Save and Exit with the
// screen saver's apply step.
class SaverPanel {
public:
    using Row = CycleModule::Row;
    using FileNames = CycleModule::FileNames;

    // Without files or a random source given, the panel uses the disk and a clock-seeded source.
    SaverPanel(std::string programDirectory, std::shared_ptr<Registry> registry, std::shared_ptr<System> system,
        std::shared_ptr<LineFiles> files = {}, std::shared_ptr<RandomSource> random = {});

    // Reads "dozarn.dat" and "dozarn.cfg"; returns the messages of files that could not be read.
    std::vector<std::string> load();

    const CycleModule& cycle() const { return *m_cycle; }
    const CycleList& list() const { return m_cycle->list(); }
    const CycleControls& controls() const { return m_cycle->controls(); }
    Row selected() const { return m_selected; }

    // A click only selects.
    void select(Row row);
    void setEnabled(bool enabled) { m_cycle->setEnabled(enabled); }
    void setRandom(bool random) { m_cycle->setRandom(random); }

    void add(const FileNames& files);
    // With no entry selected nothing is inserted.
    void insert(const FileNames& files);
    void remove();
    // A double-click on the selected entry makes it the next one.
    void chooseNext();
    // The selected screen saver full screen, as the shell's "open" starts it. Nothing waits for it.
    void preview();
    // The selected screen saver's settings: its path run as the whole command line, with no switch.
    void options();
    // Save and Exit; when it returns, the panel may close.
    void save();

private:
    std::shared_ptr<System> m_system;
    std::unique_ptr<CycleModule> m_cycle;
    Row m_selected;
};
