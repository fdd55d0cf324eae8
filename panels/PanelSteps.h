#pragma once

#include "panels/CyclePanel.h"
#include "panels/PanelScreen.h"

#include <functional>

class CycleModule;

// The order of a module panel's steps, the same in the Qt and the Win32 windows: after every edit
// the screen shows the model's selection and switches again, also when the edit failed; Save and
// Exit and leaving return to the Control Center only when they went through.
class PanelSteps {
public:
    explicit PanelSteps(PanelScreen& screen)
        : m_screen(screen)
    {
    }

    // Set while the model changes: a list control's selection that moves then is not the user's.
    const bool& changing() const { return m_changing; }

    void change(const std::function<void()>& edit);
    // Shown from the Control Center: files that another program changed are read again.
    void open() { reread(true); }
    void save(CycleModule& module);
    // Leaves without saving: the files are read again, dropping the edits.
    void leave();

    // The steps of a one-list panel over its CyclePanel. A selected entry that can't be shown
    // leaves the switches as they were.
    void select(CyclePanel& panel, CyclePanel::Row row);
    void chooseNext(CyclePanel& panel);
    void add(CyclePanel& panel, const CyclePanel::FileNames& files);
    void insert(CyclePanel& panel, const CyclePanel::FileNames& files);
    void remove(CyclePanel& panel);

private:
    void reread(bool onlyWhenChanged);

    PanelScreen& m_screen;
    bool m_changing = false;
};
