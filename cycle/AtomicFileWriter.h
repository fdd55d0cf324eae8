#pragma once

#include "cycle/FileDescriptor.h"

#include <string>
#include <string_view>
#include <sys/types.h>

// Writes a file piece by piece so that it replaces the target only when complete: the pieces go to
// a temporary file in the target's folder, which commit() flushes to disk and renames over the
// target. Dropped without commit(), or after any failure, it removes the temporary and leaves the
// target as it was. An existing target keeps its permissions; a symbolic link is followed.
// Every failure throws Exception(formatMessage(failurePattern, path)).
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string path, std::string_view failurePattern = "Cannot create file %s");
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    void write(std::string_view bytes);
    void commit();

private:
    [[noreturn]] void fail();
    void flush();

    std::string m_path;
    std::string m_failurePattern;
    std::string m_target;
    std::string m_temporary;
    FileDescriptor m_file;
    bool m_keepsMode = false;
    mode_t m_mode = 0;
    std::string m_buffer;
};
