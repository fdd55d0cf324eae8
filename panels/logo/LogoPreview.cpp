#include "panels/logo/LogoPreview.h"

#include "panels/logo/LogoBitmap.h"

namespace {

Picture pictureOf(const LogoBitmap& bitmap)
{
    Picture picture { bitmap.width, bitmap.height,
        std::vector<std::uint32_t>(static_cast<std::size_t>(bitmap.width) * bitmap.height) };
    for (int y = 0; y < bitmap.height; ++y)
        for (int x = 0; x < bitmap.width; ++x)
            picture.pixels[static_cast<std::size_t>(y) * bitmap.width + x] = 0xff000000u | bitmap.colourAt(x, y);
    return picture;
}

} // namespace

void LogoPreview::clear()
{
    m_picture = {};
    m_dimensions.clear();
}

// The same reader as the format check and the apply step, so the preview shows what they judge.
void LogoPreview::show(const std::string& path)
{
    m_inFront = true;
    Picture picture = pictureOf(readLogoBitmap(path));
    m_dimensions = std::to_string(picture.width) + "x" + std::to_string(picture.height);
    m_picture = stretchedPicture(picture, width, height);
}
