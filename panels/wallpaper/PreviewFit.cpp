#include "panels/wallpaper/PreviewFit.h"

long long roundHalfEven(long long numerator, long long denominator)
{
    long long quotient = numerator / denominator;
    long long remainder = numerator % denominator;
    if (remainder < 0) {
        quotient -= 1;
        remainder += denominator;
    }
    long long twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

PreviewArea fitPreview(int pictureWidth, int pictureHeight)
{
    const long long w = pictureWidth, h = pictureHeight;
    long long box = previewSquare.width;
    PreviewArea area = previewSquare;
    if (h >= w) {
        if (h < box) {
            box = h;
            area.height = static_cast<int>(h);
        }
        area.width = h > 0 ? static_cast<int>(roundHalfEven(w * box, h)) : 0;
    } else {
        if (w < box) {
            box = w;
            area.width = static_cast<int>(w);
        }
        area.height = static_cast<int>(roundHalfEven(h * box, w));
    }
    // (200 - size) x 0.5, rounded the same way.
    if (area.width < previewSquare.width)
        area.left += static_cast<int>(roundHalfEven(previewSquare.width - area.width, 2));
    if (area.height < previewSquare.height)
        area.top += static_cast<int>(roundHalfEven(previewSquare.height - area.height, 2));
    return area;
}
