#include "panels/PanelSteps.h"

#include "cycle/CycleModule.h"

#include <utility>

// The controls are shown while still changing: moving a list control's selection to the model's
// is no choice of the user's either.
void PanelSteps::change(const std::function<void()>& edit)
{
    struct Changing {
        bool& flag;
        bool before;
        ~Changing() { flag = before; }
    } changing { m_changing, std::exchange(m_changing, true) };
    try {
        edit();
    } catch (...) {
        m_screen.showSelection();
        m_screen.showSwitches();
        throw;
    }
    m_screen.showSelection();
    m_screen.showSwitches();
}

void PanelSteps::save(CycleModule& module)
{
    change([&] { module.save(); });
    m_screen.returnToControlCenter();
    m_screen.saved();
}

void PanelSteps::leave()
{
    reread(false);
    m_screen.returnToControlCenter();
}

void PanelSteps::reread(bool onlyWhenChanged)
{
    std::vector<std::string> messages;
    change([&] { messages = m_screen.reloadModel(onlyWhenChanged); });
    for (const std::string& message : messages)
        m_screen.report(message);
}

void PanelSteps::select(CyclePanel& panel, CyclePanel::Row row)
{
    try {
        panel.select(row);
    } catch (...) {
        m_screen.showEntry();
        throw;
    }
    m_screen.showEntry();
    m_screen.showSwitches();
}

void PanelSteps::chooseNext(CyclePanel& panel)
{
    panel.chooseNext();
    m_screen.showSwitches();
}

void PanelSteps::add(CyclePanel& panel, const CyclePanel::FileNames& files)
{
    change([&] { panel.add(files); });
}

void PanelSteps::insert(CyclePanel& panel, const CyclePanel::FileNames& files)
{
    change([&] { panel.insert(files); });
}

void PanelSteps::remove(CyclePanel& panel)
{
    try {
        change([&] { panel.remove(); });
    } catch (...) {
        m_screen.showEntry();
        throw;
    }
    m_screen.showEntry();
}
