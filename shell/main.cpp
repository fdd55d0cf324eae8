#include "cycle/PosixSystem.h"
#include "shell/TStartup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return TStartup(PosixSystem().programDirectory()).run();
}
