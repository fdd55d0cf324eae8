#pragma once

#include <string_view>

// Writes all the bytes to an open file, in as many calls as the system needs; false on failure.
// Each platform's file writer defines it.
bool writeAll(int fd, std::string_view bytes);
