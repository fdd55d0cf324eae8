#pragma once

#include "panels/CyclePanel.h"
#include "panels/logo/LogoPreview.h"

#include <functional>
#include <memory>
#include <string>

class LineFiles;
class LogoApply;
class RandomSource;
class Registry;
class System;

// What the user does in the logo panel, without the window: the list with its selected entry and
// preview, Add and Insert through the logo format check, Save and Exit with the logo's apply step,
// and restoring Windows' own logo.
class LogoPanel : public CyclePanel {
public:
    // Without files or a random source given, the panel uses the disk and a clock-seeded source.
    LogoPanel(std::string programDirectory, std::shared_ptr<Registry> registry, std::shared_ptr<System> system,
        std::shared_ptr<LineFiles> files = {}, std::shared_ptr<RandomSource> random = {});

    const LogoPreview& preview() const { return m_preview; }

    // Gets the message for each chosen bitmap that fails the format check; it returns when the user
    // has seen it, and the next file is examined after that.
    void setRefusalNotice(std::function<void(const std::string& message)> notice);

    // Removes the logo file; true when there was one, so the user is told that the original is back.
    bool restore();

private:
    LogoPanel(std::shared_ptr<LogoApply> apply, std::string programDirectory, std::shared_ptr<LineFiles> files,
        std::shared_ptr<RandomSource> random);

    // A picture that can't be shown throws, leaving the preview as it was.
    void showEntry(std::size_t row) override;
    void showNoEntry() override { m_preview.clear(); }

    std::shared_ptr<LogoApply> m_apply;
    LogoPreview m_preview;
};
