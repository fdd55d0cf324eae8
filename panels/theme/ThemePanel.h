#pragma once

#include "panels/CyclePanel.h"

#include <memory>
#include <string>

class LineFiles;
class RandomSource;
class System;

// What the user does in the theme panel, without the window: the list with its selected entry,
// Theme Preview/Options on that entry, and Save and Exit, both handing theme files to the shell.
class ThemePanel : public CyclePanel {
public:
    // Without files or a random source given, the panel uses the disk and a clock-seeded source.
    ThemePanel(std::string programDirectory, std::shared_ptr<System> shell, std::shared_ptr<LineFiles> files = {},
        std::shared_ptr<RandomSource> random = {});

    // The shell opens the selected theme file; nothing without a selection.
    void open();

private:
    std::shared_ptr<System> m_shell;
};
