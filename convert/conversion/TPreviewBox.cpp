#include "convert/conversion/TPreviewBox.h"

#include <algorithm>

long long roundHalfToEven(long long numerator, long long denominator)
{
    long long quotient = numerator / denominator;
    long long twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

TPreviewBox TPreviewBox::fittedTo(int pictureWidth, int pictureHeight)
{
    TPreviewBox box;
    if (pictureWidth <= 0 || pictureHeight <= 0)
        return box;
    if (pictureHeight >= pictureWidth) {
        int side = std::min(pictureHeight, Side);
        box.height = side;
        box.width = static_cast<int>(roundHalfToEven(static_cast<long long>(pictureWidth) * side, pictureHeight));
    } else {
        int side = std::min(pictureWidth, Side);
        box.width = side;
        box.height = static_cast<int>(roundHalfToEven(static_cast<long long>(pictureHeight) * side, pictureWidth));
    }
    return box;
}
