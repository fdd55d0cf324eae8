#pragma once

#include <string>
#include <string_view>

// Replaces the file at `path` with `bytes` so that a crash or a full disk leaves either the old
// file or the new one, never a mix: the bytes go to a temporary file in the same folder, are
// flushed to disk and the temporary is renamed over the target. An existing target keeps its
// permissions; a symbolic link is followed and the file it names is replaced.
// On any failure the temporary is removed, the target is untouched and
// Exception(formatMessage(failurePattern, path)) is thrown. AtomicFileWriter does the same for a
// file written piece by piece.
void writeFileAtomically(
    const std::string& path, std::string_view bytes, std::string_view failurePattern = "Cannot create file %s");
