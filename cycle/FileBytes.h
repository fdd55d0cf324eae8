#pragma once

#include <string>

// Reads the whole file into `bytes`. Returns false, leaving `bytes` as it was, when the file can't
// be opened or read (a folder included); throws for a FIFO, device or socket (see openRegularFile).
bool readFileBytes(const std::string& path, std::string& bytes);
