#include "shell/TWindowSet.h"
#include "shell/skin/TErrorBox.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(applicationTitle);
    QApplication::setQuitOnLastWindowClosed(false);
    TWindowSet windows;
    windows.mainWindow().showWindow();
    return QApplication::exec();
}
