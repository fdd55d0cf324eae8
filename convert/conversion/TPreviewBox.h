#pragma once

// Where the converter shows its picture: a box at 8, 96, at most 150 x 150, fitted to the picture.
struct TPreviewBox {
    static constexpr int Side = 150;

    int left = 8;
    int top = 96;
    int width = Side;
    int height = Side;

    bool operator==(const TPreviewBox&) const = default;

    // The box for a picture of the given size: whole, with its aspect ratio, never enlarged, the
    // shorter side rounded to the nearest integer with exact halves to even. A picture without
    // pixels leaves the full box.
    static TPreviewBox fittedTo(int pictureWidth, int pictureHeight);
};

// numerator / denominator rounded to the nearest integer, exact halves to the even neighbour.
long long roundHalfToEven(long long numerator, long long denominator);
