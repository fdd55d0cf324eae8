#pragma once

#include "panels/CyclePanel.h"
#include "panels/TListSelection.h"
#include "panels/TModulePanel.h"

#include <functional>
#include <memory>

// A one-list module panel over its CyclePanel: the list control and the model's selected entry
// follow each other, and Add, Insert, Remove and the double-click are handed to the model. A
// module shows the selected entry its own way (a preview) in `showEntry`.
class TCyclePanel : public TModulePanel {
    Q_OBJECT
public:
    struct EditButtons {
        const char* add;
        const char* insert;
        const char* remove;
        const char* fileFilter; // the open dialog's, as "Bitmap files|*.bmp"
    };

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
    // Also when selecting the entry failed, and after Remove.
    virtual void showEntry() { }
    void saveModel() override;

private:
    CyclePanel::FileNames chooseFiles();
    // While the model changes the list, the list control's own selection signals are not the
    // user's; afterwards the control shows the model's selection, also when the change failed.
    void change(const std::function<void()>& edit);

    CyclePanel* panel_ = nullptr;
    const char* fileFilter_ = nullptr;
    bool followingModel_ = false;
    std::unique_ptr<TListSelection> list_;
};
