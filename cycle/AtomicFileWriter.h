#pragma once

#include "cycle/FileDescriptor.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <sys/types.h>

// Writes a file piece by piece so that it replaces the target only when complete: the pieces go to
// a temporary file in the target's folder, which commit() flushes to disk and renames over the
// target. Where the system allows, the temporary has no name until the moment of the rename, so a
// write killed half-way leaves nothing behind; a named one that a killed write left is removed
// before the next write into its folder. Dropped without commit(), or after any failure, it removes
// the temporary and leaves the target as it was. An existing target keeps its permissions, and its
// owner and group where this process may give them; a symbolic link is followed.
// A folder that refuses new files while the target itself is writable has the target rewritten in
// place at commit(): it keeps all it had, but a failure or a crash during that one write can leave
// it torn, where a replacement never can.
// Every failure throws Exception(formatMessage(failurePattern, path)).
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string path, std::string_view failurePattern = "Cannot create file %s");
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    void write(std::string_view bytes);
    // Puts everything written so far on the disk without replacing the target yet, so that a caller
    // can still check that replacing it is right, and drop the writer if not. commit() may follow.
    void sync();
    void commit();
    // For a file that other programs may edit meanwhile (win.ini, system.ini, the registry store):
    // replaces the target only when it still holds `expected`, the bytes the new contents were made
    // from, checked right before the replacement. Where the system can swap two names at once, the
    // swap hands back the file that was replaced, which is checked again, untouched and no longer
    // open for writing, and given back when it is not. False when the target holds something else:
    // it is left as the other program left it, and the new contents are dropped.
    bool commitUnlessChanged(std::string_view expected);

private:
    enum class Mode { Unnamed, Named, InPlace };

    // Big enough that a million short lines take a few dozen system calls, small enough never to matter.
    static constexpr std::size_t bufferSize = 1 << 20;

    [[noreturn]] void fail();
    // Removes the temporary and leaves the target as it is; false, for commitUnlessChanged.
    bool drop();
    bool openUnnamed(const std::string& folder);
    bool openNamed();
    bool openInPlace();
    bool nameTemporary();
    void flush();
    void commitInPlace();

    std::string m_path;
    std::string m_failurePattern;
    std::string m_target;
    std::string m_temporary; // the temporary's name, once it has one
    FileDescriptor m_file;
    Mode m_mode = Mode::Unnamed;
    bool m_existed = false;
    bool m_synced = false;
    mode_t m_permissions = 0;
    uid_t m_owner = 0;
    gid_t m_group = 0;
    std::string m_buffer;
};
