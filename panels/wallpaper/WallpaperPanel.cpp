#include "panels/wallpaper/WallpaperPanel.h"

#include "cycle/LineFiles.h"
#include "panels/wallpaper/WallpaperApply.h"
#include "panels/wallpaper/WallpaperModule.h"

#include <utility>

namespace {

const std::string tileFlag = "t";
const std::string centreFlag = "f";

// The apply step edits win.ini through the same files as the lists.
std::shared_ptr<CycleModule> wallpaperCycle(std::string programDirectory, std::shared_ptr<Registry> registry,
    std::shared_ptr<LineFiles> files, std::shared_ptr<RandomSource> random)
{
    if (!files)
        files = std::make_shared<LineFiles>();
    auto apply = std::make_shared<WallpaperApply>(std::move(registry), files);
    return std::make_shared<CycleModule>(
        wallpaperModule(std::move(apply)), std::move(programDirectory), std::move(files), std::move(random));
}

} // namespace

WallpaperPanel::WallpaperPanel(std::string programDirectory, std::shared_ptr<Registry> registry,
    std::shared_ptr<LineFiles> files, std::shared_ptr<RandomSource> random)
    : CyclePanel(wallpaperCycle(std::move(programDirectory), std::move(registry), std::move(files), std::move(random)))
{
}

void WallpaperPanel::showEntry(std::size_t row)
{
    m_preview.show(std::string(list().at(row)));
    setTileBox(module().flag(row) == tileFlag);
}

void WallpaperPanel::clickTile(bool ticked)
{
    m_tile = ticked;
    if (selected())
        module().setFlag(*selected(), ticked ? tileFlag : centreFlag);
}

void WallpaperPanel::setTileBox(bool ticked)
{
    if (ticked != m_tile)
        clickTile(ticked);
}

// With no flag line the list is empty and `tile` keeps its state.
void WallpaperPanel::tileAll()
{
    if (cycle().settings().flagCount() == 0)
        return;
    setTileBox(true);
    module().setAllFlags(tileFlag);
}

void WallpaperPanel::untileAll()
{
    if (cycle().settings().flagCount() == 0)
        return;
    setTileBox(false);
    module().setAllFlags(centreFlag);
}
