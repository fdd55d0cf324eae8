#pragma once

// Where the preview of a picture stands on the wallpaper panel, in client coordinates.
struct PreviewArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PreviewArea&) const = default;
};

// The square the preview is fitted into.
inline constexpr PreviewArea previewSquare { 308, 34, 200, 200 };

// A picture that fits into the square keeps its own size; a larger one shrinks, keeping its
// proportions, until its longer side fills the square. The area is centred in the square.
PreviewArea fitPreview(int pictureWidth, int pictureHeight);

// numerator / denominator rounded to the nearest integer, halves to the even neighbour, computed
// exactly so that a true half is never lost to floating point. `denominator` must be positive.
long long roundHalfEven(long long numerator, long long denominator);
