#include "shell/StartOptions.h"

#include <ostream>

const char* const startUsage
    = "Usage: zentrel [--program-dir DIR]\n"
      "       zentrel --help | --version\n"
      "Opens the Zentrel Control Center, where the lists of wallpapers, start-up and shutdown\n"
      "sounds, screen savers, start-up logos and themes are kept, and the picture converter.\n"
      "  --program-dir DIR    the folder of the lists, settings and stand-in Windows machine\n"
      "                       (default: this program's folder when it runs where it was built,\n"
      "                       ~/.local/share/zentrel when it is installed)\n"
      "  --help               show this text\n"
      "  --version            show the version\n";

std::optional<int> StartOptions::read(
    const std::vector<std::string>& arguments, StartOptions& options, std::ostream& out, std::ostream& errors)
{
    std::string problem;
    for (std::size_t index = 0; index < arguments.size() && problem.empty(); ++index) {
        const std::string& argument = arguments[index];
        if (argument == "--help") {
            out << startUsage;
            return 0;
        }
        if (argument == "--version") {
            out << "zentrel 2.0\n";
            return 0;
        }
        std::optional<std::string> folder;
        if (argument.starts_with("--program-dir="))
            folder = argument.substr(std::string("--program-dir=").size());
        else if (argument == "--program-dir" && index + 1 < arguments.size())
            folder = arguments[++index];
        else if (argument == "--program-dir")
            problem = "--program-dir needs a value";
        else
            problem = "unknown option '" + argument + "'";
        if (folder && folder->empty())
            problem = "--program-dir needs a folder";
        else if (folder)
            options.programDirectory = folder->ends_with('/') ? *folder : *folder + "/";
    }
    if (problem.empty())
        return std::nullopt;
    errors << "zentrel: " << problem << "\n" << startUsage;
    return 2;
}
