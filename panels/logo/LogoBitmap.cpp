#include "panels/logo/LogoBitmap.h"

#include <QBuffer>
#include <QByteArray>
#include <fstream>

namespace {

constexpr std::size_t fileHeaderSize = 14;
constexpr std::size_t infoHeaderSize = 40;
constexpr std::size_t coreHeaderSize = 12;

unsigned littleEndian(const std::string& bytes, std::size_t offset, int count)
{
    unsigned value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
    return value;
}

void append(std::string& bytes, unsigned value, int count)
{
    for (int i = 0; i < count; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xff);
}

// The toolkit would write an 8-bit picture whose table holds 16 colours or fewer with 4 bits per
// pixel, which changes the file's format and its size.
std::string eightBitFile(const QImage& picture)
{
    const QList<QRgb> colours = picture.colorTable();
    const std::size_t width = static_cast<std::size_t>(picture.width());
    const std::size_t height = static_cast<std::size_t>(picture.height());
    const std::size_t rowSize = (width + 3) / 4 * 4;
    const std::size_t tableSize = 4 * static_cast<std::size_t>(colours.size());
    const std::size_t pixelOffset = fileHeaderSize + infoHeaderSize + tableSize;
    const std::size_t fileSize = pixelOffset + rowSize * height;

    std::string bytes;
    bytes.reserve(fileSize);
    bytes += "BM";
    append(bytes, static_cast<unsigned>(fileSize), 4);
    append(bytes, 0, 4); // reserved
    append(bytes, static_cast<unsigned>(pixelOffset), 4);
    append(bytes, infoHeaderSize, 4);
    append(bytes, static_cast<unsigned>(width), 4);
    append(bytes, static_cast<unsigned>(height), 4); // positive: rows stored bottom-up
    append(bytes, 1, 2); // planes
    append(bytes, 8, 2);
    append(bytes, 0, 4); // uncompressed
    append(bytes, static_cast<unsigned>(rowSize * height), 4);
    append(bytes, 2835, 4); // 72 dpi
    append(bytes, 2835, 4);
    append(bytes, static_cast<unsigned>(colours.size()), 4);
    append(bytes, 0, 4); // all colours important
    for (QRgb colour : colours) {
        bytes += static_cast<char>(qBlue(colour));
        bytes += static_cast<char>(qGreen(colour));
        bytes += static_cast<char>(qRed(colour));
        bytes += '\0';
    }
    for (std::size_t row = height; row-- > 0;) {
        bytes.append(reinterpret_cast<const char*>(picture.constScanLine(static_cast<int>(row))), width);
        bytes.append(rowSize - width, '\0');
    }
    return bytes;
}

} // namespace

int declaredBitsPerPixel(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::string header(fileHeaderSize + infoHeaderSize, '\0');
    file.read(header.data(), static_cast<std::streamsize>(header.size()));
    header.resize(static_cast<std::size_t>(file.gcount()));
    if (header.size() < fileHeaderSize + coreHeaderSize || header.compare(0, 2, "BM") != 0)
        return 0;
    unsigned infoSize = littleEndian(header, fileHeaderSize, 4);
    if (infoSize == coreHeaderSize)
        return static_cast<int>(littleEndian(header, fileHeaderSize + 10, 2));
    if (infoSize < infoHeaderSize || header.size() < fileHeaderSize + 16)
        return 0;
    return static_cast<int>(littleEndian(header, fileHeaderSize + 14, 2));
}

std::string bitmapFileBytes(const QImage& picture, int sourceBitsPerPixel)
{
    if (sourceBitsPerPixel == 8 && picture.format() == QImage::Format_Indexed8)
        return eightBitFile(picture);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "BMP");
    return bytes.toStdString();
}
