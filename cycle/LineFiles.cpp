#include "cycle/LineFiles.h"

#include "cycle/FileExists.h"

bool LineFiles::exists(const std::string& path) const
{
    return fileExists(path);
}

void LineFiles::read(const std::string& path, LineList& lines) const
{
    readLineList(path, lines);
}

void LineFiles::write(const std::string& path, const LineList& lines)
{
    writeLineList(path, lines, bytesFromNul(path));
}

void LineFiles::readChangeWrite(const std::string& path, LineList& lines, const std::function<void(LineList&)>& change)
{
    LineList edited;
    read(path, edited);
    change(edited);
    write(path, edited);
    lines = std::move(edited);
}

void LineFiles::edit(const std::string& path, LineList& lines, const std::function<void(LineList&)>& change)
{
    editLineList(path, lines, change);
}

void LineFiles::readBlock(const std::string& path, LineBlock& lines) const
{
    readLineBlock(path, lines);
}

void LineFiles::readBlockUpToNul(const std::string& path, LineBlock& lines, bool& textAfterNul) const
{
    readLineBlock(path, lines, textAfterNul);
}

void LineFiles::writeBlock(const std::string& path, const LineBlock& lines)
{
    writeLineBlock(path, lines);
}
