#include "panels/TCyclePanel.h"

#include "shell/skin/TErrorBox.h"
#include "shell/skin/TFileDialog.h"

TCyclePanel::~TCyclePanel() = default;

void TCyclePanel::showPanel(CyclePanel& panel, const ListControls& controls, const EditButtons& edits)
{
    panel_ = &panel;
    fileFilter_ = edits.fileFilter;
    for (const std::string& message : panel.load())
        TErrorBox::show(message);
    showLists(panel.sharedCycle(), { controls });

    list_ = std::make_unique<TListSelection>(
        listBox(controls.list), followingModel_, [this](CyclePanel::Row row) { listClick(row); },
        [this] { listDblClick(); });

    onClick(edits.add, [this] { addClick(); });
    onClick(edits.insert, [this] { insertClick(); });
    onClick(edits.remove, [this] { removeClick(); });
}

void TCyclePanel::listClick(CyclePanel::Row row)
{
    try {
        panel_->select(row);
    } catch (...) {
        showEntry();
        throw;
    }
    showEntry();
    showSwitches();
}

void TCyclePanel::listDblClick()
{
    panel_->chooseNext();
    showSwitches();
}

CyclePanel::FileNames TCyclePanel::chooseFiles()
{
    return TFileDialog::openFiles(this, fileFilter_);
}

void TCyclePanel::addClick()
{
    CyclePanel::FileNames files = chooseFiles();
    change([&] { panel_->add(files); });
}

void TCyclePanel::insertClick()
{
    CyclePanel::FileNames files = chooseFiles();
    change([&] { panel_->insert(files); });
}

void TCyclePanel::removeClick()
{
    try {
        change([this] { panel_->remove(); });
    } catch (...) {
        showEntry();
        throw;
    }
    showEntry();
}

std::vector<std::string> TCyclePanel::reloadModel(bool onlyWhenChanged)
{
    return onlyWhenChanged ? panel_->refresh() : panel_->load();
}

void TCyclePanel::showSelection()
{
    list_->show(panel_->selected());
}
