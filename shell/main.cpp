#include "cycle/PosixSystem.h"
#include "shell/TStartup.h"

#include <QApplication>

int main(int, char** argv)
{
    // The program takes no arguments, and the toolkit is given none to interpret either (a window
    // geometry, a style sheet, a reversed layout).
    int programNameOnly = 1;
    QApplication app(programNameOnly, argv);
    return TStartup(PosixSystem().programDirectory()).run();
}
