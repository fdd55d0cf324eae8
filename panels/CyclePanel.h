#pragma once

#include "cycle/CycleListObserver.h"
#include "cycle/CycleModule.h"

#include <memory>
#include <string>
#include <vector>

// What the user does in a one-list module panel, without the window: the list with its selected
// entry, and Add, Insert, Remove, the double-click and Save and Exit acting on it. A module shows
// the selected entry its own way (a preview) in `showEntry`.
class CyclePanel : private CycleListObserver {
public:
    using Row = CycleModule::Row;
    using FileNames = CycleModule::FileNames;

    ~CyclePanel() override;
    CyclePanel(const CyclePanel&) = delete;
    CyclePanel& operator=(const CyclePanel&) = delete;

    // Reads the module's list and settings files; returns the messages of files that could not be
    // read. Leaving the panel without saving reads them again, dropping the edits.
    std::vector<std::string> load() { return m_cycle->load(); }
    // The panel is shown again: the files are read again when another program changed them since.
    std::vector<std::string> refresh() { return m_cycle->changedOnDisk() ? load() : std::vector<std::string> {}; }
    // Either of the two: every time, or only when the files changed on disk.
    std::vector<std::string> reload(bool onlyWhenChanged) { return onlyWhenChanged ? refresh() : load(); }

    const CycleModule& cycle() const { return *m_cycle; }
    // The window's list and switch controls watch the module itself, so it may outlive the panel.
    const std::shared_ptr<CycleModule>& sharedCycle() const { return m_cycle; }
    const CycleList& list() const { return m_cycle->list(); }
    const CycleControls& controls() const { return m_cycle->controls(); }
    Row selected() const { return m_selected; }

    // An entry is selected (click or keyboard), then shown. Should showing it throw, the selection
    // stays on the entry.
    void select(Row row);
    void setEnabled(bool enabled) { m_cycle->setEnabled(enabled); }
    void setRandom(bool random) { m_cycle->setRandom(random); }

    void add(const FileNames& files);
    // Without a selected entry the module's rule decides whether the files are appended.
    void insert(const FileNames& files);
    // The removed entry was the one shown: the entry selected afterwards is shown, or nothing.
    void remove();
    // A double-click on the selected entry makes it the next one.
    void chooseNext();
    // Save and Exit; when it returns, the panel may close.
    void save();

protected:
    explicit CyclePanel(std::shared_ptr<CycleModule> cycle);

    CycleModule& module() { return *m_cycle; }

private:
    virtual void showEntry(std::size_t) { }
    virtual void showNoEntry() { }

    void aboutToInsert(std::size_t, std::size_t) override { }
    void inserted() override { }
    void aboutToRemove(std::size_t) override { }
    void removed() override { }
    // Loading, or the reload after a save, replaces the whole list and its rows with it.
    void aboutToReplaceAll() override { m_selected.reset(); }
    void replacedAll() override { }

    std::shared_ptr<CycleModule> m_cycle;
    Row m_selected;
};
