// The real program with its real end step, driven from inside: it opens a panel, that panel's
// help window and Cancel confirmation and the about window, then ends the program the way named
// by its argument. The test that starts it expects it to exit with 0 on its own.

#include "panels/wallpaper/Tmurelloform.h"
#include "shell/TStartup.h"
#include "shell/TWindowSet.h"
#include "shell/Tthemainform.h"
#include "shell/about/Tbigabout.h"
#include "shell/confirm/Tcancelform.h"
#include "shell/help/Thelp2.h"
#include "shell/skin/TBitmapButton.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstring>

namespace {

void end(TWindowSet& windows, const char* how)
{
    if (std::strcmp(how, "quit") == 0)
        windows.bigabout().button("quitbut")->click();
    else if (std::strcmp(how, "close") == 0)
        windows.themainform().button("BitBtn7")->click();
    else if (std::strcmp(how, "esc") == 0) {
        QApplication::setActiveWindow(&windows.themainform());
        windows.themainform().button("BitBtn2")->setFocus();
        QTest::keyClick(windows.themainform().button("BitBtn2"), Qt::Key_Escape);
    } else if (std::strcmp(how, "system") == 0)
        windows.themainform().close();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PROGRAM-FOLDER quit|close|esc|system\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    TStartup startup(argv[1]);
    TWindowSet& windows = startup.windows();
    const char* how = argv[2];
    QTimer::singleShot(0, [&windows, how] {
        windows.murelloform().showWindow();
        windows.help2().showWindow();
        windows.cancelform().showWindow();
        windows.bigabout().showWindow();
        windows.themainform().showWindow();
        QTimer::singleShot(0, [&windows, how] { end(windows, how); });
    });
    return startup.run();
}
