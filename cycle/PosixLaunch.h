#pragma once

#include <string>
#include <vector>

// What POSIX starts in place of a Windows shell request or command line. A Windows program (a
// ".scr" file, or any file that begins with "MZ") goes to Wine where it is installed.
struct PosixLaunch {
    // Empty when the target goes to the desktop's opener instead.
    std::string program;
    std::vector<std::string> arguments;

    // The shell's "open" on a file. Windows opens a screen saver full screen, with the switch "/s";
    // without Wine, the desktop's opener gets the file. `wine` is Wine's path, empty without it.
    static PosixLaunch forOpen(const std::string& target, const std::string& wine);

    // A command line as Windows runs it: a line that names an existing file is that one program,
    // blanks and all; otherwise its first word (double quotes group words) is the program.
    static PosixLaunch forCommandLine(const std::string& commandLine, const std::string& wine);

    bool operator==(const PosixLaunch&) const = default;
};
