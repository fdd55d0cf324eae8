#pragma once

#include "panels/CyclePanel.h"

#include <memory>
#include <string>

class LineFiles;
class RandomSource;
class Registry;
class System;

// What the user does in the screen-saver panel, without the window: the list with its selected
// entry, Preview and Options of that entry through the system's shell, and Save and Exit with the
// screen saver's apply step. A click only selects; with no entry selected nothing is inserted.
class SaverPanel : public CyclePanel {
public:
    // Without files or a random source given, the panel uses the disk and a clock-seeded source.
    SaverPanel(std::string programDirectory, std::shared_ptr<Registry> registry, std::shared_ptr<System> system,
        std::shared_ptr<LineFiles> files = {}, std::shared_ptr<RandomSource> random = {});

    // The selected screen saver full screen, as the shell's "open" starts it. Nothing waits for it.
    void preview();
    // The selected screen saver's settings: its path run as the whole command line, with no switch.
    void options();

private:
    std::shared_ptr<System> m_system;
};
