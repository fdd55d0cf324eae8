#pragma once

#include "cycle/LineList.h"

#include <string>

// The two wallpaper lines of a win.ini image. Each is found as the last line of the whole file
// whose first 10 characters, upper-cased, are "WALLPAPER=" or "TILEWALLPA", whatever section it
// stands in. A file without one gets the line at the end of its [Desktop] section, or in a new
// [Desktop] section at the end of the file; no other line is touched.
class WinIniWallpaper {
public:
    explicit WinIniWallpaper(LineList& image)
        : m_image(image)
    {
    }

    // "Wallpaper=" followed by the path exactly as given, an empty one included.
    void setWallpaper(const std::string& path);
    // "TileWallpaper=1" for the flag "t", "TileWallpaper=0" for "f"; any other flag leaves the
    // file without a tiling line.
    void setTiling(const std::string& flag);

private:
    void putIntoDesktopSection(std::string line);

    LineList& m_image;
};
