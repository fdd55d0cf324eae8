#pragma once

#include "panels/CyclePanel.h"
#include "panels/TListSelection.h"
#include "panels/TModulePanel.h"

#include <memory>

// A one-list module panel over its CyclePanel: the list control and the model's selected entry
// follow each other, and Add, Insert, Remove and the double-click are handed to the model. A
// module shows the selected entry its own way (a preview) in `showEntry`.
class TCyclePanel : public TModulePanel {
    Q_OBJECT
public:
    ~TCyclePanel() override;

    void listClick(CyclePanel::Row row);
    void listDblClick();
    void addClick();
    void insertClick();
    void removeClick();

protected:
    using TModulePanel::TModulePanel;

    // The window shows `panel`, which the window keeps alive; its load messages are reported.
    void showPanel(CyclePanel& panel, const ListControls& controls, const EditButtons& edits);
    void showSelection() override;
    std::vector<std::string> reloadModel(bool onlyWhenChanged) override;

private:
    CyclePanel::FileNames chooseFiles();

    CyclePanel* panel_ = nullptr;
    const char* fileFilter_ = nullptr;
    std::unique_ptr<TListSelection> list_;
};
