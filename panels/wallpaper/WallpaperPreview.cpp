#include "panels/wallpaper/WallpaperPreview.h"

#include "panels/wallpaper/PictureFile.h"

#include <algorithm>

namespace {

// The picture drawn stretched to the area. A very large picture is first thinned out cheaply to a
// few times the area, so that the smoothing pass costs little next to the decoding.
QImage stretchedTo(const QImage& picture, int width, int height)
{
    if (width <= 0 || height <= 0)
        return {};
    QImage source = picture;
    int thinWidth = std::min(source.width(), 4 * width), thinHeight = std::min(source.height(), 4 * height);
    if (thinWidth != source.width() || thinHeight != source.height())
        source = source.scaled(thinWidth, thinHeight, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return source.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

void WallpaperPreview::clear()
{
    *this = WallpaperPreview();
}

void WallpaperPreview::show(const std::string& path)
{
    m_area.left = previewSquare.left;
    m_area.top = previewSquare.top;
    QImage picture = loadPictureFile(path);
    m_area = fitPreview(picture.width(), picture.height());
    m_widthText = std::to_string(picture.width());
    m_heightText = std::to_string(picture.height());
    m_picture = stretchedTo(picture, m_area.width, m_area.height);
}
