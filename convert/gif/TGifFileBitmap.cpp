// Kept apart from TGifFile.cpp so that decoding builds and runs without Qt.
#include "convert/gif/TGifFile.h"
#include "cycle/ENotEnoughMemory.h"

#include <QImage>
#include <cstring>

QImage TGifFile::GetBitmap() const
{
    const TGifSubImage& image = GetImage(1);
    const TByteArray2D& pixels = image.Pixels();
    const int width = static_cast<int>(pixels.Columns());
    const int height = static_cast<int>(pixels.Rows());
    if (width == 0 || height == 0)
        return QImage();
    QImage bitmap(width, height, QImage::Format_Indexed8);
    if (bitmap.isNull())
        throw ENotEnoughMemory(pixels.Columns() * pixels.Rows());

    const TGifColorTable& colors = ColorTableOf(image);
    QList<QRgb> table(256);
    for (int i = 0; i < 256; ++i)
        table[i] = qRgb(colors.Entries[i][0], colors.Entries[i][1], colors.Entries[i][2]);
    bitmap.setColorTable(table);
    bitmap.setDotsPerMeterX(143);
    bitmap.setDotsPerMeterY(143);
    for (int r = 0; r < height; ++r)
        std::memcpy(bitmap.scanLine(r), pixels.RowData(std::size_t(r) + 1), std::size_t(width));
    return bitmap;
}
