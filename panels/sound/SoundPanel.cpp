#include "panels/sound/SoundPanel.h"

#include <utility>

SoundPanel::SoundPanel(CycleModule& module, std::unique_ptr<SoundPlayer> player)
    : m_cycle(module)
    , m_player(std::move(player))
{
}

void SoundPanel::clickEditBox(SoundList box, bool ticked)
{
    m_cycle.setEditTarget(ticked ? box : other(box));
}

std::vector<std::string> SoundPanel::load()
{
    m_selected[StartupSounds].reset();
    m_selected[ShutdownSounds].reset();
    return m_cycle.load();
}

void SoundPanel::select(SoundList which, Row row)
{
    if (row && *row >= m_cycle.list(which).size())
        row.reset();
    m_selected[which] = row;
    if (!row)
        return;
    m_player->FileName = std::string(m_cycle.list(which).at(*row));
    if (!m_player->FileName.empty())
        m_player->open();
    m_cycle.setEditTarget(which);
}

void SoundPanel::add(const FileNames& files)
{
    m_cycle.add(files);
}

void SoundPanel::insert(const FileNames& files)
{
    SoundList target = editTarget();
    m_selected[target] = m_cycle.insert(files, m_selected[target], m_selected[other(target)].has_value());
}

void SoundPanel::remove()
{
    SoundList target = editTarget();
    m_selected[target] = m_cycle.remove(std::exchange(m_selected[target], std::nullopt));
}

void SoundPanel::chooseNext(SoundList which)
{
    m_cycle.chooseNext(m_selected[which], which);
}
