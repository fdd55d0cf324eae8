#pragma once

#include "panels/CyclePanel.h"
#include "panels/wallpaper/WallpaperPreview.h"

#include <memory>
#include <string>

class LineFiles;
class RandomSource;
class Registry;

// What the user does in the wallpaper panel, without the window: the list with a tiling flag per
// entry, the selected entry, the `tile` box that shows and sets the selected entry's flag, the
// preview, and Save and Exit with the wallpaper's apply step.
class WallpaperPanel : public CyclePanel {
public:
    // Without files or a random source given, the panel uses the disk and a clock-seeded source.
    WallpaperPanel(std::string programDirectory, std::shared_ptr<Registry> registry,
        std::shared_ptr<LineFiles> files = {}, std::shared_ptr<RandomSource> random = {});

    const WallpaperPreview& preview() const { return m_preview; }
    bool tileTicked() const { return m_tile; }

    // The user ticked or unticked `tile`.
    void clickTile(bool ticked);
    void tileAll();
    void untileAll();

private:
    // The selected entry's picture is previewed, then `tile` shows its flag. A picture that can't
    // be shown throws, leaving `tile` as it is.
    void showEntry(std::size_t row) override;
    void showNoEntry() override { m_preview.clear(); }
    // `tile` takes a state; a change counts as a click on it.
    void setTileBox(bool ticked);

    WallpaperPreview m_preview;
    bool m_tile = true;
};
