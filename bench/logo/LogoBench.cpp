// The logo panel's model on a stand-in machine of its own: Add of N chosen 320 x 400 256-colour
// bitmaps (100 by default, every fourth one 336 pixels wide and refused), Save and Exit writing logo.sys,
// and Restore, each timed once; then the decode-and-write of one logo against a plain copy of the
// same file, the best of 20 each.
#include "cycle/PosixSystem.h"
#include "cycle/StandInMachine.h"
#include "panels/logo/LogoApply.h"
#include "panels/logo/LogoPanel.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

template <typename Step> double milliseconds(Step step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

template <typename Step> void timed(const char* what, Step step)
{
    std::printf("%-48s %9.2f ms\n", what, milliseconds(step));
}

template <typename Step> double best(int runs, Step step)
{
    double fastest = 1e300;
    for (int run = 0; run < runs; ++run)
        fastest = std::min(fastest, milliseconds(step));
    return fastest;
}

void saveLogo(const QString& path, int width)
{
    QImage picture(width, 400, QImage::Format_Indexed8);
    picture.setColorCount(256);
    for (int i = 0; i < 256; ++i)
        picture.setColor(i, qRgb(i, 255 - i, (i * 7) & 0xff));
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.scanLine(y)[x] = static_cast<uchar>((x / 8 + y / 8) & 0xff);
    picture.save(path, "BMP");
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100;

    QTemporaryDir folder;
    const std::string directory = folder.path().toStdString() + "/";
    StandInMachine machine(directory);
    machine.ensureExists();
    saveLogo(folder.filePath("logo.bmp"), 320);
    saveLogo(folder.filePath("wide.bmp"), 336);
    LogoPanel::FileNames chosen;
    for (int i = 0; i < count; ++i)
        chosen.push_back(directory + (i % 4 == 3 ? "wide.bmp" : "logo.bmp"));

    auto registry = machine.openRegistry();
    std::shared_ptr<Registry> shared(std::move(registry));
    auto system = std::make_shared<PosixSystem>();
    LogoPanel panel(directory, shared, system);
    panel.load();
    int refused = 0;
    panel.setRefusalNotice([&](const std::string&) { ++refused; });

    std::printf("%d chosen bitmaps\n", count);
    timed("Add (size measured, picture loaded, each file)", [&] { panel.add(chosen); });
    std::printf("%zu added, %d refused\n", panel.list().size(), refused);
    timed("Save and Exit (list, settings twice, logo.sys)", [&] { panel.save(); });
    timed("Restore", [&] { panel.restore(); });

    LogoApply apply(shared, system);
    const std::string source = directory + "logo.bmp";
    double write = best(20, [&] { apply.writeLogo(source); });
    double copy = best(20, [&] {
        std::filesystem::copy_file(source, directory + "copy.sys", std::filesystem::copy_options::overwrite_existing);
    });
    std::printf("logo decoded and written (synced) %.2f ms, plain copy (not synced) %.2f ms\n", write, copy);
}
