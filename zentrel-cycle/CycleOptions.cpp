#include "zentrel-cycle/CycleOptions.h"

#include <algorithm>
#include <ostream>

const char* const cycleUsage
    = "Usage: zentrel-cycle [--dry-run] [--only MODULE[,MODULE]] [--program-dir DIR] [--present]\n"
      "                     [--time-limit SECONDS]\n"
      "       zentrel-cycle --install-autostart | --remove-autostart | --help | --version\n"
      "       zentrel-cycle --session-end | --await-session-end [--program-dir DIR]\n"
      "Applies the next entry of each enabled Zentrel list to the stand-in Windows machine and\n"
      "moves the list on, as Windows did at every start: wallpaper, start-up and shutdown\n"
      "sounds, screen saver, logo, theme. One line per list; exit 0 when none failed, 1 when one\n"
      "did, 2 for a wrong command line.\n"
      "  --dry-run            say what would be applied; write nothing\n"
      "  --only MODULES       only these, comma-separated: wallpaper, sound, saver, logo, theme\n"
      "  --program-dir DIR    the folder of the lists (default: this program's folder when it runs\n"
      "                       where it was built, ~/.local/share/zentrel when it is installed)\n"
      "  --present            then show the wallpaper on this desktop and play the start-up sound\n"
      "  --time-limit SECONDS give up when the lists take longer (default 60)\n"
      "  --install-autostart  run \"zentrel-cycle --present\" at every login, and put Zentrel into\n"
      "                       the desktop's menu\n"
      "  --remove-autostart   stop running at login\n"
      "  --session-end        play the shutdown sound now, as the session ends\n"
      "  --await-session-end  wait for the session to end, then play the shutdown sound\n";

namespace {

std::vector<std::string> splitAtCommas(const std::string& text)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        std::size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos)
            return parts;
        start = comma + 1;
    }
}

// "--name VALUE" or "--name=VALUE".
std::optional<std::string> valueOf(
    const std::string& name, const std::vector<std::string>& arguments, std::size_t& index)
{
    const std::string& argument = arguments[index];
    if (argument.starts_with(name + "="))
        return argument.substr(name.size() + 1);
    if (argument != name)
        return std::nullopt;
    if (++index >= arguments.size())
        throw UsageError { name + " needs a value" };
    return arguments[index];
}

} // namespace

CycleOptions CycleOptions::parse(const std::vector<std::string>& arguments, const std::vector<std::string>& moduleNames)
{
    CycleOptions options;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        if (argument == "--dry-run")
            options.dryRun = true;
        else if (argument == "--present")
            options.present = true;
        else if (argument == "--install-autostart")
            options.action = Action::InstallAutostart;
        else if (argument == "--remove-autostart")
            options.action = Action::RemoveAutostart;
        else if (argument == "--session-end")
            options.action = Action::SessionEnd;
        else if (argument == "--await-session-end")
            options.action = Action::AwaitSessionEnd;
        else if (argument == "--help")
            options.action = Action::Help;
        else if (argument == "--version")
            options.action = Action::Version;
        else if (auto modules = valueOf("--only", arguments, index)) {
            for (const std::string& name : splitAtCommas(*modules)) {
                if (std::find(moduleNames.begin(), moduleNames.end(), name) == moduleNames.end())
                    throw UsageError { "unknown module '" + name + "'" };
                options.only.push_back(name);
            }
        } else if (auto unit = valueOf("--unit-file", arguments, index)) {
            options.unitFile = *unit;
        } else if (auto folder = valueOf("--program-dir", arguments, index)) {
            if (folder->empty())
                throw UsageError { "--program-dir needs a folder" };
            options.programDirectory = folder->ends_with('/') ? *folder : *folder + "/";
        } else if (auto seconds = valueOf("--time-limit", arguments, index)) {
            if (seconds->empty() || seconds->size() > 6 || seconds->find_first_not_of("0123456789") != std::string::npos
                || std::stoul(*seconds) == 0)
                throw UsageError { "--time-limit needs a number of seconds from 1 to 999999" };
            options.timeLimitSeconds = static_cast<unsigned>(std::stoul(*seconds));
        } else
            throw UsageError { "unknown option '" + argument + "'" };
    }
    return options;
}

std::optional<int> readCycleCommandLine(const std::vector<std::string>& arguments,
    const std::vector<std::string>& moduleNames, CycleOptions& options, std::ostream& out, std::ostream& errors)
{
    try {
        options = CycleOptions::parse(arguments, moduleNames);
    } catch (const UsageError& error) {
        errors << "zentrel-cycle: " << error.message << "\n" << cycleUsage;
        return 2;
    }
    switch (options.action) {
    case CycleOptions::Action::Help:
        out << cycleUsage;
        return 0;
    case CycleOptions::Action::Version:
        out << "zentrel-cycle 2.0\n";
        return 0;
    default:
        return std::nullopt;
    }
}
