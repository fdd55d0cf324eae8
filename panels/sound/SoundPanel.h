#pragma once

#include "cycle/CycleModule.h"
#include "panels/sound/SoundModule.h"
#include "panels/sound/SoundPlayer.h"

#include <memory>
#include <string>
#include <vector>

// What the user does in the sound panel, without the window: the two lists with a selected entry
// each, the edit target that Add, Insert and Remove act on (shown by `inedit` and `outedit`),
// and the test player that a selected entry is loaded into. The switches and Save and Exit act on
// the module itself, as in every panel; the player plays on after a Save.
class SoundPanel {
public:
    using Row = CycleModule::Row;
    using FileNames = CycleModule::FileNames;

    // The module holds the lists, switches and next fields; the window layer gives the player, whose
    // completion notices it delivers to its own event loop.
    SoundPanel(CycleModule& module, std::unique_ptr<SoundPlayer> player);

    const CycleModule& cycle() const { return m_cycle; }
    SoundList editTarget() const { return static_cast<SoundList>(m_cycle.editTarget()); }
    Row selected(SoundList which) const { return m_selected[which]; }
    SoundPlayer& player() { return *m_player; }

    // The user ticked or unticked `inedit` (StartupSounds) or `outedit`: unticking the ticked box
    // ticks the other one, so one list is always the target.
    void clickEditBox(SoundList box, bool ticked);
    // As the one-list panels' load and refresh; the selections go with the lists read again.
    std::vector<std::string> load();
    std::vector<std::string> refresh() { return m_cycle.changedOnDisk() ? load() : std::vector<std::string> {}; }
    std::vector<std::string> reload(bool onlyWhenChanged) { return onlyWhenChanged ? refresh() : load(); }
    // An entry is selected (mouse or arrow keys): a non-empty entry is opened in the player, closing
    // the sound open before; only when that succeeds does its list become the edit target.
    void select(SoundList which, Row row);

    void add(const FileNames& files);
    void insert(const FileNames& files);
    void remove();
    // A double-click on an entry of `which` makes it that list's next one.
    void chooseNext(SoundList which);

    void play() { m_player->play(); }
    void pause() { m_player->pause(); }
    void stop() { m_player->stop(); }

private:
    static SoundList other(SoundList which) { return which == StartupSounds ? ShutdownSounds : StartupSounds; }

    CycleModule& m_cycle;
    std::unique_ptr<SoundPlayer> m_player;
    Row m_selected[2];
};
