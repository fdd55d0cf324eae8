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
        listBox(controls.list), steps_.changing(), [this](CyclePanel::Row row) { listClick(row); },
        [this] { listDblClick(); });

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
    return TFileDialog::openFiles(this, fileFilter_);
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
    list_->show(panel_->selected());
}
