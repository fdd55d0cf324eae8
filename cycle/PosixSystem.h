#pragma once

#include "cycle/System.h"

// The services on Linux and other POSIX systems, which have no 8.3 names and of the DOS attributes
// only read-only, as the lack of write permission.
// Shell verbs open the target with the desktop's opener. The theme verbs on a theme file have no
// counterpart here: the theme panel's shell (makeThemeShell) carries them out itself before they
// reach this one. Windows programs, screen savers among them, are started through Wine where it
// is installed.
class PosixSystem : public System {
public:
    std::string programDirectory() override;
    std::string shortPath(const std::string& path) override;
    void setFileAttributes(const std::string& path, FileAttributes attributes) override;
    void deleteFile(const std::string& path) override;
    void shellExecute(const std::string& verb, const std::string& target) override;
    void runProgram(const std::string& commandLine) override;
};
