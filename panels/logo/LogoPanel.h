#pragma once

#include "cycle/CycleModule.h"
#include "panels/logo/LogoPreview.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class LineFiles;
class LogoApply;
class RandomSource;
class Registry;
class System;

// What the user does in the logo panel, without the window: the list with its selected entry and
// preview, Add and Insert through the logo format check, Save and Exit with the logo's apply step,
// and restoring Windows' own logo.
class LogoPanel {
public:
    using Row = CycleModule::Row;
    using FileNames = CycleModule::FileNames;

    // Without files or a random source given, the panel uses the disk and a clock-seeded source.
    LogoPanel(std::string programDirectory, std::shared_ptr<Registry> registry, std::shared_ptr<System> system,
        std::shared_ptr<LineFiles> files = {}, std::shared_ptr<RandomSource> random = {});

    // Reads "brisko.dat" and "brisko.cfg"; returns the messages of files that could not be read.
    std::vector<std::string> load();

    const CycleModule& cycle() const { return *m_cycle; }
    const CycleList& list() const { return m_cycle->list(); }
    const CycleControls& controls() const { return m_cycle->controls(); }
    const LogoPreview& preview() const { return m_preview; }
    Row selected() const { return m_selected; }

    // Gets the message for each chosen bitmap that fails the format check; it returns when the user
    // has seen it, and the next file is examined after that.
    void setRefusalNotice(std::function<void(const std::string& message)> notice);

    // An entry is selected (click or keyboard) and previewed. A picture that can't be shown throws,
    // leaving the selection on the entry and the preview as it was.
    void select(Row row);
    void setEnabled(bool enabled) { m_cycle->setEnabled(enabled); }
    void setRandom(bool random) { m_cycle->setRandom(random); }

    void add(const FileNames& files);
    // With no entry selected the files are appended.
    void insert(const FileNames& files);
    void remove();
    // A double-click on the selected entry makes it the next one.
    void chooseNext();
    // Save and Exit; when it returns, the panel may close.
    void save();
    // Removes the logo file; true when there was one, so the user is told that the original is back.
    bool restore();

private:
    std::shared_ptr<LogoApply> m_apply;
    std::unique_ptr<CycleModule> m_cycle;
    LogoPreview m_preview;
    Row m_selected;
};
