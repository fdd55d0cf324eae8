#pragma once

#include "cycle/CycleModule.h"
#include "shell/skin/TSkinnedForm.h"

#include <memory>
#include <vector>

class CycleListModel;
class TWindowSet;

// The theme panel.
class Tthemeform : public TSkinnedForm {
    Q_OBJECT
public:
    explicit Tthemeform(TWindowSet& windows);
    ~Tthemeform() override;

    CycleModule& model() const { return *model_; }

    void BitBtn5Click();
    void BitBtn6Click();
    void BitBtn8Click();

private:
    void showModel();

    TWindowSet& windows_;
    // Loaded when the window is made, at program start; the list models watch it, so they go first.
    std::unique_ptr<CycleModule> model_;
    std::vector<std::unique_ptr<CycleListModel>> listModels_;
};
