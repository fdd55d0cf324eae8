#pragma once

#include <string>
#include <sys/types.h>

// The temporary files that replacing a file may leave beside it for a moment are named
// ".<name>.tmp<pid>-<n>", after the process that writes them. A write killed at that moment leaves
// one behind; these find and remove the ones whose process no longer runs.

std::string temporaryFileName(const std::string& name, pid_t pid, unsigned number);

// A number no other temporary of this process has had.
unsigned nextTemporaryNumber();

// The writing process of a temporary file's name, or 0 for a name of any other form.
pid_t writerOfTemporary(const std::string& name);

// Removes from `folder` the temporary files (and folders) of processes that no longer run. Files of running
// processes, this one included, and every other file are left alone; failures are ignored.
void removeStaleTemporaries(const std::string& folder);
