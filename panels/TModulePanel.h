#pragma once

#include "cycle/CycleModule.h"
#include "shell/skin/TSkinnedForm.h"

#include <memory>
#include <vector>

class CycleListModel;
class TWindowSet;

// A module panel: it loads its module when it is made, at program start, and shows each of the
// module's lists and switches in the controls named for it.
class TModulePanel : public TSkinnedForm {
    Q_OBJECT
public:
    struct ListControls {
        const char* list;
        const char* enable;
        const char* random;
        const char* next;
    };

    ~TModulePanel() override;

    CycleModule& model() const { return *model_; }

protected:
    TModulePanel(const TWindowGeometry& geometry, TWindowSet& windows, ModuleParameters parameters,
        std::vector<ListControls> controls);

    void showModel();
    // Leaves without saving and without asking; the edits stay in memory.
    void leave();

    TWindowSet& windows_;

private:
    // The list models watch the module, so it is made first and goes last.
    std::unique_ptr<CycleModule> model_;
    std::vector<std::unique_ptr<CycleListModel>> listModels_;
    std::vector<ListControls> controls_;
};
