#include "shell/TStartup.h"

#include "cycle/StandInMachine.h"
#include "resources/SkinResources.h"
#include "shell/TWindowSet.h"
#include "shell/skin/TErrorBox.h"
#include "shell/skin/TWindowGeometry.h"

#include <QApplication>
#include <QIcon>

TStartup::TStartup(const std::string& programDirectory)
{
    QApplication::setApplicationName(applicationTitle);
    // Only the Control Center, the about window's Quit and Esc end the program; closing the
    // last visible panel must not.
    QApplication::setQuitOnLastWindowClosed(false);
    initSkinResources();
    QApplication::setWindowIcon(QIcon(QString::fromStdString(":/" + iconResource("zentrel"))));
    TErrorBox::run([&] {
        StandInMachine machine(programDirectory);
        machine.ensureExists();
        machine.removeStaleTemporaries();
    });
    windows_ = std::make_unique<TWindowSet>(programDirectory);
}

TStartup::~TStartup() = default;

int TStartup::run()
{
    windows_->showAtStart();
    return QApplication::exec();
}
