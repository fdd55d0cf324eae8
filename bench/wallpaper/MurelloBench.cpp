// The wallpaper panel window with N entries (100,000 by default) on the offscreen platform, in a
// stand-in machine of its own: open, scroll, select and preview, add, insert, remove, Tile All,
// Save and Exit, each timed once; then the preview of a 10,000 x 10,000 true-colour bitmap, with
// the bare decode of the same file beside it.
#include "cycle/LineList.h"
#include "cycle/StandInMachine.h"
#include "panels/wallpaper/PictureFile.h"
#include "panels/wallpaper/Tmurelloform.h"
#include "shell/TWindowSet.h"
#include "shell/skin/TBitmapButton.h"
#include "shell/skin/TErrorBox.h"
#include "shell/skin/TFileDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QListView>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

template <typename Step> void timed(const char* what, Step step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    QApplication::processEvents();
    std::printf("%-44s %9.2f ms\n", what, static_cast<double>(timer.nsecsElapsed()) / 1e6);
}

void select(QListView* list, int row)
{
    list->setCurrentIndex(list->model()->index(row, 0));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int entries = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int side = argc > 2 ? std::atoi(argv[2]) : 10000;

    QTemporaryDir folder;
    const std::string directory = folder.path().toStdString() + "/";
    StandInMachine(directory).ensureExists();
    QImage small(640, 480, QImage::Format_RGB888);
    small.fill(Qt::darkBlue);
    small.save(folder.filePath("small.bmp"), "BMP");
    LineList paths, settings { "t", "1" };
    for (int i = 0; i < entries; ++i) {
        paths.push_back(directory + (i % 2 ? "small.bmp" : "missing " + std::to_string(i) + ".bmp"));
        settings.push_back(i % 3 ? "t" : "f");
    }
    writeLineList(directory + "murello.dat", paths);
    writeLineList(directory + "murello.cfg", settings);

    std::vector<std::string> shown;
    TErrorBox::setTestHook([&](const std::string& text) { shown.push_back(text); });
    TFileDialog::setTestHook(
        [&](const TFileDialogRequest&) { return std::vector<std::string>(10, directory + "new.bmp"); });

    std::printf("%d entries\n", entries);
    std::unique_ptr<TWindowSet> windows;
    timed("create every window, loading the list", [&] { windows = std::make_unique<TWindowSet>(directory); });
    Tmurelloform& panel = windows->murelloform();
    QListView* list = panel.listBox("List");
    timed("show the panel", [&] { panel.showWindow(); });
    timed("scroll to the end", [&] { list->scrollToBottom(); });
    timed("select and preview a 640 x 480 entry", [&] { select(list, entries - 1); });
    timed("insert 10 files before it", [&] { panel.button("BitBtn2")->click(); });
    timed("add 10 files", [&] { panel.button("BitBtn1")->click(); });
    timed("remove the selected entry", [&] { panel.button("BitBtn3")->click(); });
    timed("select the first entry (missing file)", [&] { select(list, 0); });
    timed("Tile All", [&] { panel.button("BitBtn5")->click(); });
    timed("Save and Exit (files, win.ini, registry)", [&] { panel.button("BitBtn7")->click(); });
    std::printf("error boxes: %zu, panel %s\n", shown.size(), panel.isVisible() ? "open" : "closed");

    if (side > 0) {
        QImage huge(side, side, QImage::Format_RGB888);
        huge.fill(Qt::darkGreen);
        huge.save(folder.filePath("huge.bmp"), "BMP");
        huge = QImage();
        std::string path = directory + "huge.bmp";
        timed("decode only (loadPictureFile)", [&] { loadPictureFile(path); });
        TFileDialog::setTestHook([&](const TFileDialogRequest&) { return std::vector<std::string> { path }; });
        panel.showWindow();
        panel.button("BitBtn1")->click();
        int row = list->model()->rowCount() - 1;
        timed("select and preview it in the panel", [&] { select(list, row); });
        timed("repaint the panel", [&] { panel.repaint(); });
    }
    TErrorBox::setTestHook({});
    return 0;
}
