#pragma once

#include "cycle/LineList.h"

#include <cstddef>
#include <optional>
#include <string>

// The screen-saver line of a system.ini image. It is the first line after the file's first whose
// first 8 characters, upper-cased, are "SCRNSAVE", in whatever section it stands; the file's first
// line is never taken, since position 0 has always stood for "none found". A file without one gets
// the line after its first [boot] header (a later one before one on line 0), or, when the file has
// no [boot] section at all, in a new one at its end.
class SystemIniScreenSaver {
public:
    explicit SystemIniScreenSaver(LineList& image)
        : m_image(image)
    {
    }

    bool hasSaverLine() const { return saverLine().has_value(); }

    // Puts "SCRNSAVE.EXE=" and the path in place of the found line, or adds it; true when added.
    // An image without any line can't take it: "Unable to insert a line", the image unchanged.
    bool setSaver(const std::string& path);

private:
    std::optional<std::size_t> saverLine() const;
    std::optional<std::size_t> bootHeader() const;

    LineList& m_image;
};
