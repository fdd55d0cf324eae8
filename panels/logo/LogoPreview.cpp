#include "panels/logo/LogoPreview.h"

#include "panels/logo/LogoBitmap.h"

namespace {

QImage imageOf(const LogoBitmap& bitmap)
{
    QImage image(bitmap.width, bitmap.height, QImage::Format_RGB32);
    for (int y = 0; y < bitmap.height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < bitmap.width; ++x)
            row[x] = 0xff000000u | bitmap.colourAt(x, y);
    }
    return image;
}

} // namespace

void LogoPreview::clear()
{
    m_picture = QImage();
    m_dimensions.clear();
}

// The same reader as the format check and the apply step, so the preview shows what they judge.
void LogoPreview::show(const std::string& path)
{
    m_inFront = true;
    QImage picture = imageOf(readLogoBitmap(path));
    m_dimensions = std::to_string(picture.width()) + "x" + std::to_string(picture.height());
    m_picture = picture.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
