#pragma once

#include "cycle/CycleModule.h"
#include "shell/skin/TSkinnedForm.h"

#include <memory>
#include <vector>

class CycleListModel;
class TWindowSet;

// The screen-saver panel.
class Tsaverform : public TSkinnedForm {
    Q_OBJECT
public:
    explicit Tsaverform(TWindowSet& windows);
    ~Tsaverform() override;

    CycleModule& model() const { return *model_; }

    void Button5Click();
    void Button6Click();
    void BitBtn9Click();

private:
    void showModel();

    TWindowSet& windows_;
    // Loaded when the window is made, at program start; the list models watch it, so they go first.
    std::unique_ptr<CycleModule> model_;
    std::vector<std::unique_ptr<CycleListModel>> listModels_;
};
