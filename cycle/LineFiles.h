#pragma once

#include "cycle/LineBlock.h"
#include "cycle/LineList.h"

#include <string>

// The module files as the cycle lists reach them. The program uses the disk as it is; tests put a
// recorder or a failing disk in its place. List files, which may hold many thousands of entries,
// are read and written as one block; settings files and the Windows files as line lists.
// A line list written over a file keeps that file's bytes from its first NUL on after the lines:
// reading leaves them out, but they are another program's (win.ini, system.ini), not ours to drop.
class LineFiles {
public:
    virtual ~LineFiles() = default;
    virtual bool exists(const std::string& path) const;
    virtual void read(const std::string& path, LineList& lines) const;
    virtual void write(const std::string& path, const LineList& lines);
    // Reads, edits and writes back a file that other programs may edit meanwhile (editLineList).
    virtual void edit(const std::string& path, LineList& lines, const std::function<void(LineList&)>& change);
    virtual void readBlock(const std::string& path, LineBlock& lines) const;
    // The same, and whether bytes other than NULs follow the NUL that ended the file's text.
    virtual void readBlockUpToNul(const std::string& path, LineBlock& lines, bool& textAfterNul) const;
    virtual void writeBlock(const std::string& path, const LineBlock& lines);

protected:
    // The edit without the re-check, through this object's own read and write: for stand-ins of
    // the disk, which no other program edits.
    void readChangeWrite(const std::string& path, LineList& lines, const std::function<void(LineList&)>& change);
};
