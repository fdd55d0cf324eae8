#pragma once

#include "cycle/CycleListObserver.h"
#include "cycle/CycleModule.h"
#include "panels/wallpaper/WallpaperPreview.h"

#include <memory>
#include <string>
#include <vector>

class LineFiles;
class RandomSource;
class Registry;
class WallpaperApply;

// What the user does in the wallpaper panel, without the window: the list with a tiling flag per
// entry, the selected entry, the `tile` box that shows and sets the selected entry's flag, the
// preview, and Save and Exit with the wallpaper's apply step.
class WallpaperPanel : private CycleListObserver {
public:
    using Row = CycleModule::Row;
    using FileNames = CycleModule::FileNames;

    // Without files or a random source given, the panel uses the disk and a clock-seeded source.
    WallpaperPanel(std::string programDirectory, std::shared_ptr<Registry> registry,
        std::shared_ptr<LineFiles> files = {}, std::shared_ptr<RandomSource> random = {});
    ~WallpaperPanel() override;
    WallpaperPanel(const WallpaperPanel&) = delete;
    WallpaperPanel& operator=(const WallpaperPanel&) = delete;

    // Reads "murello.dat" and "murello.cfg"; returns the messages of files that could not be read.
    std::vector<std::string> load();

    const CycleModule& cycle() const { return *m_cycle; }
    const CycleList& list() const { return m_cycle->list(); }
    const CycleControls& controls() const { return m_cycle->controls(); }
    const WallpaperPreview& preview() const { return m_preview; }
    Row selected() const { return m_selected; }
    bool tileTicked() const { return m_tile; }

    // An entry is selected (click or keyboard): its picture is previewed, then `tile` shows its
    // flag. A picture that can't be shown throws, leaving the selection and `tile` as they are.
    void select(Row row);
    // The user ticked or unticked `tile`.
    void clickTile(bool ticked);
    void tileAll();
    void untileAll();
    void setEnabled(bool enabled) { m_cycle->setEnabled(enabled); }
    void setRandom(bool random) { m_cycle->setRandom(random); }

    void add(const FileNames& files);
    void insert(const FileNames& files);
    void remove();
    // A double-click on the selected entry makes it the next one.
    void chooseNext();
    // Save and Exit; when it returns, the panel may close.
    void save();

private:
    // `tile` takes a state; a change counts as a click on it.
    void setTileBox(bool ticked);

    void aboutToInsert(std::size_t, std::size_t) override { }
    void inserted() override { }
    void aboutToRemove(std::size_t) override { }
    void removed() override { }
    void aboutToReplaceAll() override { m_selected.reset(); }
    void replacedAll() override { }

    std::shared_ptr<WallpaperApply> m_apply;
    std::unique_ptr<CycleModule> m_cycle;
    WallpaperPreview m_preview;
    Row m_selected;
    bool m_tile = true;
};
