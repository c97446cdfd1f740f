// The few drawing operations the diagram needs, so that the picture can be
// drawn by any implementation of the layer. Coordinates are continuous: whole
// numbers fall on pixel boundaries and pixel (i, j) is the unit square from
// (i, j) to (i + 1, j + 1). Everything but FillRect is anti-aliased.
#pragma once

#include "Types.h"

struct TPointF {
    double X = 0;
    double Y = 0;
};

class TCanvas {
public:
    TCanvas() = default;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    virtual ~TCanvas() = default;

    // Whole pixels, hard-edged: every pixel of the rectangle, none beyond.
    virtual void FillRect(const TRect& pixels, TColor color) = 0;
    virtual void FillDisc(TPointF centre, double radius, TColor color) = 0;
    // The part of the ring between the two radii from startDegrees, spanning
    // spanDegrees clockwise on screen (0 points right, 90 down); the ends are
    // cut along the radius.
    virtual void FillRingArc(TPointF centre, double innerRadius, double outerRadius,
                             double startDegrees, double spanDegrees, TColor color) = 0;
    // A cubic Bezier centre line stroked with the given width and flat ends.
    virtual void StrokeCubic(TPointF p0, TPointF p1, TPointF p2, TPointF p3, double width,
                             TColor color) = 0;
};
