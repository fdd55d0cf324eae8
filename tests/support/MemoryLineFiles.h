#pragma once

#include "cycle/Exception.h"
#include "cycle/LineFiles.h"

#include <map>
#include <set>
#include <string>
#include <vector>

// Module files held in memory. It keeps a log of reads and writes ("write murello.cfg") that
// the apply hooks of a test can add their own steps to, and it can refuse to read or create a file
// the way a damaged or read-only disk does, or say that a file went on after a NUL.
class MemoryLineFiles : public LineFiles {
public:
    bool exists(const std::string& path) const override { return files.contains(path) || unreadable.contains(path); }

    void read(const std::string& path, LineList& lines) const override
    {
        log.push_back("read " + path);
        auto file = files.find(path);
        if (file == files.end() || unreadable.contains(path))
            throw Exception(formatMessage("Cannot open file %s", path));
        lines = file->second;
    }

    void write(const std::string& path, const LineList& lines) override
    {
        log.push_back("write " + path);
        if (uncreatable.contains(path))
            throw Exception(formatMessage("Cannot create file %s", path));
        files[path] = lines;
    }

    void edit(const std::string& path, LineList& lines, const std::function<void(LineList&)>& change) override
    {
        readChangeWrite(path, lines, change);
    }

    void readBlock(const std::string& path, LineBlock& lines) const override
    {
        LineList read;
        this->read(path, read);
        lines = LineBlock(read);
    }

    void readBlockUpToNul(const std::string& path, LineBlock& lines, bool& textAfterNul) const override
    {
        readBlock(path, lines);
        textAfterNul = textAfterNulIn.contains(path);
    }

    void writeBlock(const std::string& path, const LineBlock& lines) override { write(path, lines.lines()); }

    // The writes in the log, in order.
    std::vector<std::string> writes() const
    {
        std::vector<std::string> result;
        for (const std::string& step : log)
            if (!step.starts_with("read "))
                result.push_back(step);
        return result;
    }

    std::map<std::string, LineList> files;
    std::set<std::string> unreadable;
    std::set<std::string> uncreatable;
    std::set<std::string> textAfterNulIn; // files that go on after the NUL that ends their lines
    mutable std::vector<std::string> log;
};
