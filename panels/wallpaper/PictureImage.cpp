#include "panels/wallpaper/PictureImage.h"

#include "cycle/Exception.h"
#include "cycle/RegularFile.h"
#include "panels/wallpaper/FileExtension.h"

#include <QFile>
#include <QImageReader>
#include <cstring>

namespace {

// Qt refuses images over 256 MB by default; a 10,000 x 10,000 true-colour wallpaper needs 400 MB
// once decoded. The limit still stops a damaged header from claiming gigabytes.
constexpr int decodedSizeLimitMegabytes = 2048;

} // namespace

QImage loadPictureImage(const std::string& path)
{
    std::string extension = fileExtension(path);
    if (!isBitmapExtension(extension))
        throw Exception(formatMessage("Unknown picture file extension (.%s)", extension));

    FileDescriptor descriptor = openRegularFile(path);
    QFile file;
    if (!descriptor.isOpen() || !file.open(descriptor.get(), QIODevice::ReadOnly))
        throw Exception(formatMessage("Cannot open file %s", path));

    if (QImageReader::allocationLimit() < decodedSizeLimitMegabytes)
        QImageReader::setAllocationLimit(decodedSizeLimitMegabytes);
    QImageReader reader(&file, "bmp");
    // Content of another kind under a ".bmp" name is no bitmap.
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    QImage picture = reader.read();
    if (picture.isNull())
        throw Exception("Bitmap image is not valid");
    return picture;
}

QImage pictureImage(const Picture& picture)
{
    if (picture.isNull())
        return {};
    return QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width, picture.height,
        picture.width * 4, QImage::Format_RGB32)
        .copy();
}

Picture pictureOf(const QImage& image)
{
    if (image.isNull())
        return {};
    QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    Picture picture { opaque.width(), opaque.height(),
        std::vector<std::uint32_t>(static_cast<std::size_t>(opaque.width()) * opaque.height()) };
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(&picture.pixels[static_cast<std::size_t>(y) * picture.width], opaque.constScanLine(y),
            static_cast<std::size_t>(picture.width) * 4);
    return picture;
}
