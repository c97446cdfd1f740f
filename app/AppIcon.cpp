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

// A smaller image keeps the design's margins and gap in proportion and stays
// mirror-symmetric like it: the first square's edges are scaled, the others
// are its mirror images.
void drawScaled(TCanvas& canvas, int size)
{
    const double s = size / 32.0;
    const Square& first = k32[0];
    const int start = static_cast<int>(std::lround(first.left * s));
    const int end = static_cast<int>(std::floor((first.right + 1) * s));  // exclusive
    const int mirrored = size - end;
    for (const Square& sq : k32) {
        const int l = sq.left == first.left ? start : mirrored;
        const int t = sq.top == first.top ? start : mirrored;
        canvas.FillRect({l, t, end - start, end - start}, sq.colour);
    }
}

void drawSquares(TCanvas& canvas, int size)
{
    canvas.FillRect({0, 0, size, size}, kGround);
    if (size == 256) {
        for (const Square& sq : k256)
            canvas.FillRect({sq.left, sq.top, sq.right - sq.left + 1, sq.bottom - sq.top + 1}, sq.colour);
        return;
    }
    drawScaled(canvas, size);
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
