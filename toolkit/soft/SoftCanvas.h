// A TCanvas that draws into plain 0x00RRGGBB pixels in memory, with no
// platform library: for a layer whose platform has no anti-aliased drawing of
// its own. Each pixel's coverage is sampled on an 8 x 8 grid (64 levels),
// edge pixels blend the shape's colour in proportion, and whole pixels inside
// a shape take its colour exactly.
#pragma once

#include <cstdint>
#include <vector>

#include "../Canvas.h"

class SoftCanvas final : public TCanvas {
public:
    // The image is width x height device pixels; drawing coordinates are
    // logical and multiplied by scale.
    SoftCanvas(int width, int height, double scale);

    void FillRect(const TRect& pixels, TColor color) override;
    void FillDisc(TPointF centre, double radius, TColor color) override;
    void FillRingArc(TPointF centre, double innerRadius, double outerRadius, double startDegrees,
                     double spanDegrees, TColor color) override;
    void StrokeCubic(TPointF p0, TPointF p1, TPointF p2, TPointF p3, double width,
                     TColor color) override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::vector<std::uint32_t>& Pixels() const { return pixels_; }
    std::vector<std::uint32_t>& Pixels() { return pixels_; }

private:
    static constexpr int kGrid = 8;  // samples per pixel side

    void blend(int x, int y, TColor color, int covered);

    int width_;
    int height_;
    double scale_;
    std::vector<std::uint32_t> pixels_;
};
