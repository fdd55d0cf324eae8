#pragma once

#include "panels/Picture.h"
#include "panels/wallpaper/PreviewFit.h"

#include <string>

// The preview of the selected wallpaper: the picture as drawn, where and how large its area
// stands, and the picture's width and height as the panel's two fields show them.
class WallpaperPreview {
public:
    // Loads the picture at `path` and fits the area to it. When the picture can't be loaded the
    // error is thrown and only the area's position changes: it stands at the square's corner
    // again, keeping its size, its picture and the dimension texts.
    void show(const std::string& path);
    // No picture and no dimensions, the area back to the whole square.
    void clear();

    const PreviewArea& area() const { return m_area; }
    // Already scaled to the area's size: drawing it is cheap however large the file was.
    const Picture& picture() const { return m_picture; }
    const std::string& widthText() const { return m_widthText; }
    const std::string& heightText() const { return m_heightText; }

private:
    PreviewArea m_area = previewSquare;
    Picture m_picture;
    std::string m_widthText;
    std::string m_heightText;
};
