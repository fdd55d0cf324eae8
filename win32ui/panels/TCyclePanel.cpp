#include "win32ui/panels/TCyclePanel.h"

#include "win32ui/skin/TErrorBox.h"
#include "win32ui/skin/TFileDialog.h"

void TCyclePanel::showPanel(CyclePanel& panel, const ListControls& controls, const EditButtons& edits)
{
    panel_ = &panel;
    list_ = controls.list;
    fileFilter_ = edits.fileFilter;
    for (const std::string& message : panel.load())
        TErrorBox::show(message);
    showLists(panel.sharedCycle(), { controls });
    onSelect(list_, [this](int row) { listClick(row < 0 ? CyclePanel::Row() : CyclePanel::Row(row)); });
    onDoubleClick(list_, [this](int) { listDblClick(); });
    onClick(edits.add, [this] { addClick(); });
    onClick(edits.insert, [this] { insertClick(); });
    onClick(edits.remove, [this] { removeClick(); });
}

void TCyclePanel::listClick(CyclePanel::Row row)
{
    steps_.select(*panel_, row);
}

void TCyclePanel::listDblClick()
{
    steps_.chooseNext(*panel_);
}

CyclePanel::FileNames TCyclePanel::chooseFiles()
{
    return TFileDialog::openFiles(handle(), fileFilter_);
}

void TCyclePanel::addClick()
{
    steps_.add(*panel_, chooseFiles());
}

void TCyclePanel::insertClick()
{
    steps_.insert(*panel_, chooseFiles());
}

void TCyclePanel::removeClick()
{
    steps_.remove(*panel_);
}

std::vector<std::string> TCyclePanel::reloadModel(bool onlyWhenChanged)
{
    return panel_->reload(onlyWhenChanged);
}

void TCyclePanel::showSelection()
{
    CyclePanel::Row row = panel_->selected();
    setSelection(list_, row ? static_cast<int>(*row) : -1);
}
