#include "cycle/ProgramFolder.h"
#include "shell/StartOptions.h"
#include "shell/TStartup.h"
#include "shell/skin/TErrorBox.h"

#include <QApplication>
#include <iostream>

int main(int argc, char** argv)
{
    StartOptions options;
    if (std::optional<int> answered
        = StartOptions::read(std::vector<std::string>(argv + 1, argv + argc), options, std::cout, std::cerr))
        return *answered;
    // The toolkit is given no arguments to interpret (a window geometry, a style sheet, a reversed
    // layout): the command line is the program's own.
    int programNameOnly = 1;
    QApplication app(programNameOnly, argv);
    std::string programDirectory;
    try {
        programDirectory = ProgramFolder::forThisRun(
            options.programDirectory, ZENTREL_INSTALLED ? Installation::Installed : Installation::BuiltHere);
    } catch (const std::exception& error) {
        // Started from the menu, the box is all the user sees.
        std::cerr << "zentrel: " << error.what() << ".\n";
        TErrorBox::show(error.what());
        return 1;
    }
    return TStartup(programDirectory).run();
}
