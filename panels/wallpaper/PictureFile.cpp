#include "panels/wallpaper/PictureFile.h"

#include "cycle/Exception.h"
#include "cycle/RegularFile.h"

#include <QFile>
#include <QImageReader>

namespace {

// Qt refuses images over 256 MB by default; a 10,000 x 10,000 true-colour wallpaper needs 400 MB
// once decoded. The limit still stops a damaged header from claiming gigabytes.
constexpr int decodedSizeLimitMegabytes = 2048;

} // namespace

QImage loadPictureFile(const std::string& path)
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
