#include "panels/wallpaper/WallpaperPreview.h"

#include "panels/wallpaper/PictureFile.h"

void WallpaperPreview::clear()
{
    *this = WallpaperPreview();
}

void WallpaperPreview::show(const std::string& path)
{
    m_area.left = previewSquare.left;
    m_area.top = previewSquare.top;
    Picture picture = loadPictureFile(path);
    m_area = fitPreview(picture.width, picture.height);
    m_widthText = std::to_string(picture.width);
    m_heightText = std::to_string(picture.height);
    m_picture = stretchedPicture(picture, m_area.width, m_area.height);
}
