#pragma once

#include "cycle/Registry.h"

#include <string>
#include <utility>
#include <vector>

// The folder of win.ini and system.ini: the string "SystemRoot" under
// HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion, without a trailing separator added;
// a relative path is taken from the registry's relativePathBase.
// Empty when the key or the value is missing or the value is empty. Throws
// "Invalid data type for 'SystemRoot'" for a value that is no string and
// "Failed to get data for 'SystemRoot'" for one that can't be read.
std::string windowsDirectory(Registry& registry);

using RegistryStrings = std::vector<std::pair<std::string, std::string>>;

// Sets plain string values, in the given order, in an existing key under HKEY_CURRENT_USER, all in
// one go where the store allows. A missing key is no error: nothing is written. Throws
// "Failed to set data for '%s'" with the value's name at the first value that can't be set; the
// values before it stay set.
void writeRegistryStrings(Registry& registry, std::string_view keyPath, const RegistryStrings& values);

// Sets plain string values under HKEY_CURRENT_USER, in the given order, each in its own key where
// that key exists, all in one go where the store allows. A value that can't be set does not stop
// the others: the messages of those that failed are returned, "Failed to set data for '%s'" with
// the value's name.
std::vector<std::string> writeRegistryStringsOfKeys(Registry& registry, const std::vector<RegistryString>& values);
