#include "AppIcon.h"

#include <cmath>

namespace {

constexpr TColor kGround = 0xC0C0C0;
constexpr TColor kGreen = 0x00FF00;
constexpr TColor kRed = 0xFF0000;
constexpr TColor kBlue = 0x0000FF;
constexpr TColor kYellow = 0xFFFF00;

struct Square {
    TColor colour;
    int left, top, right, bottom;  // pixel ranges, both ends included
};

// The 32-px image, from which the smaller ones are scaled.
constexpr Square k32[] = {
    {kGreen, 2, 2, 14, 14},
    {kRed, 17, 2, 29, 14},
    {kBlue, 2, 17, 14, 29},
    {kYellow, 17, 17, 29, 29},
};

// The 256-px image has squares of its own proportions.
constexpr Square k256[] = {
    {kGreen, 16, 16, 119, 111},
    {kRed, 144, 16, 239, 111},
    {kBlue, 16, 136, 119, 239},
    {kYellow, 144, 136, 239, 239},
};

int scaled(int edge, int size)
{
    return static_cast<int>(std::lround(edge * size / 32.0));
}

void drawSquares(TCanvas& canvas, int size)
{
    canvas.FillRect({0, 0, size, size}, kGround);
    if (size == 256) {
        for (const Square& s : k256)
            canvas.FillRect({s.left, s.top, s.right - s.left + 1, s.bottom - s.top + 1}, s.colour);
        return;
    }
    for (const Square& s : k32) {
        const int l = scaled(s.left, size), t = scaled(s.top, size);
        const int r = scaled(s.right + 1, size), b = scaled(s.bottom + 1, size);
        canvas.FillRect({l, t, r - l, b - t}, s.colour);
    }
}

}  // namespace

TBitmap AppIconImage(int size)
{
    return TBitmap({size, size}, 1.0, [size](TCanvas& canvas) { drawSquares(canvas, size); });
}

std::vector<TBitmap> AppIconImages()
{
    std::vector<TBitmap> images;
    for (int size : kAppIconSizes)
        images.push_back(AppIconImage(size));
    return images;
}
