#pragma once

#include <string>

// True when a file of that name exists (a folder is no file).
bool fileExists(const std::string& path);
