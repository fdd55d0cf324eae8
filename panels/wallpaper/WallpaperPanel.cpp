#include "panels/wallpaper/WallpaperPanel.h"

#include "cycle/LineFiles.h"
#include "panels/wallpaper/WallpaperApply.h"
#include "panels/wallpaper/WallpaperModule.h"

#include <utility>

namespace {

const std::string tileFlag = "t";
const std::string centreFlag = "f";

} // namespace

WallpaperPanel::WallpaperPanel(std::string programDirectory, std::shared_ptr<Registry> registry,
    std::shared_ptr<LineFiles> files, std::shared_ptr<RandomSource> random)
{
    if (!files)
        files = std::make_shared<LineFiles>();
    m_apply = std::make_shared<WallpaperApply>(std::move(registry), files);
    m_cycle = std::make_unique<CycleModule>(
        wallpaperModule(m_apply), std::move(programDirectory), std::move(files), std::move(random));
    m_cycle->list().addObserver(this);
}

WallpaperPanel::~WallpaperPanel()
{
    m_cycle->list().removeObserver(this);
}

std::vector<std::string> WallpaperPanel::load()
{
    return m_cycle->load();
}

void WallpaperPanel::select(Row row)
{
    if (row && *row >= list().size())
        row.reset();
    m_selected = row;
    if (!row)
        return;
    m_preview.show(std::string(list().at(*row)));
    setTileBox(m_cycle->flag(*row) == tileFlag);
}

void WallpaperPanel::clickTile(bool ticked)
{
    m_tile = ticked;
    if (m_selected)
        m_cycle->setFlag(*m_selected, ticked ? tileFlag : centreFlag);
}

void WallpaperPanel::setTileBox(bool ticked)
{
    if (ticked != m_tile)
        clickTile(ticked);
}

// With no flag line the list is empty and `tile` keeps its state.
void WallpaperPanel::tileAll()
{
    if (m_cycle->settings().flagCount() == 0)
        return;
    setTileBox(true);
    m_cycle->setAllFlags(tileFlag);
}

void WallpaperPanel::untileAll()
{
    if (m_cycle->settings().flagCount() == 0)
        return;
    setTileBox(false);
    m_cycle->setAllFlags(centreFlag);
}

void WallpaperPanel::add(const FileNames& files)
{
    m_cycle->add(files);
}

void WallpaperPanel::insert(const FileNames& files)
{
    m_selected = m_cycle->insert(files, m_selected);
}

void WallpaperPanel::remove()
{
    // The entry goes before the next field is checked; should that check fail, the row must not
    // go on naming the entry that moved up into it.
    Row selected = std::exchange(m_selected, std::nullopt);
    m_selected = m_cycle->remove(selected);
}

void WallpaperPanel::chooseNext()
{
    m_cycle->chooseNext(m_selected);
}

void WallpaperPanel::save()
{
    m_cycle->save();
}
