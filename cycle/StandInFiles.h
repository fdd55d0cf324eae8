#pragma once

#include <string>

// The contents of a freshly installed machine's files, with CR LF line ends as Windows 98 wrote them.
namespace StandInFiles {

// The registry store, with SystemRoot naming `windowsDirectory` and the keys the modules write to.
std::string registry(const std::string& windowsDirectory);

std::string winIni();

std::string systemIni();

} // namespace StandInFiles
