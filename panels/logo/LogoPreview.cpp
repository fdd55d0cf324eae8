#include "panels/logo/LogoPreview.h"

#include "panels/wallpaper/PictureFile.h"

void LogoPreview::clear()
{
    m_picture = QImage();
    m_dimensions.clear();
}

void LogoPreview::show(const std::string& path)
{
    m_inFront = true;
    QImage picture = loadPictureFile(path);
    m_dimensions = std::to_string(picture.width()) + "x" + std::to_string(picture.height());
    m_picture = picture.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
