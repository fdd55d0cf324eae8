// A wallpaper-shaped cycle list of N entries (100,000 by default) in a list view with uniform item
// sizes on the offscreen platform: load, scroll, insert, remove, add and save, each timed once.
#include "cycle/CycleListModel.h"
#include "cycle/CycleModule.h"
#include "cycle/LineList.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

template <typename Step> void timed(const char* what, Step step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    QApplication::processEvents();
    std::printf("%-40s %8.2f ms\n", what, static_cast<double>(timer.nsecsElapsed()) / 1e6);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int entries = argc > 1 ? std::atoi(argv[1]) : 100000;

    QTemporaryDir folder;
    const std::string directory = folder.path().toStdString() + "/";
    LineList paths;
    for (int i = 0; i < entries; ++i)
        paths.push_back("C:\\My Documents\\Pictures\\Holiday " + std::to_string(i) + ".bmp");
    writeLineList(directory + "murello.dat", paths);

    ModuleParameters parameters = singleListModule("murello.dat", "murello.cfg");
    parameters.settingsMayHoldMoreLines = true;
    parameters.newEntryFlag = std::string(1, 't');
    CycleModule module(parameters, directory);
    CycleListModel model(module.list());
    QListView view;
    view.setUniformItemSizes(true);
    view.resize(289, 137);
    view.setModel(&model);
    view.show();
    QApplication::processEvents();

    std::printf("%d entries\n", entries);
    timed("load into the view", [&] { module.load(); });
    timed("scroll to the end", [&] { view.scrollToBottom(); });
    timed("insert 10 files in the middle",
        [&] { module.insert(CycleModule::FileNames(10, "C:\\new.bmp"), entries / 2); });
    timed("remove the first entry", [&] { module.remove(0); });
    timed("add 10 files", [&] { module.add(CycleModule::FileNames(10, "C:\\added.bmp")); });
    timed("save (list, settings, settings again)", [&] { module.save(); });
    return 0;
}
