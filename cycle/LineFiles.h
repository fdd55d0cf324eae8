#pragma once

#include "cycle/LineList.h"

#include <string>

// The module files as the cycle lists reach them. The program uses the disk as it is; tests put a
// recorder or a failing disk in its place.
class LineFiles {
public:
    virtual ~LineFiles() = default;
    virtual bool exists(const std::string& path) const;
    virtual void read(const std::string& path, LineList& lines) const;
    virtual void write(const std::string& path, const LineList& lines);
};
