// TCanvas on QPainter. QPainter's anti-aliased geometry already treats pixel
// (i, j) as the unit square from (i, j) to (i + 1, j + 1), so coordinates pass
// through unchanged.
#pragma once

#include <QPainter>

#include "../Canvas.h"

namespace qtk {

class PainterCanvas final : public TCanvas {
public:
    explicit PainterCanvas(QPainter& painter) : p_(painter) {}

    void FillRect(const TRect& pixels, TColor color) override;
    void FillDisc(TPointF centre, double radius, TColor color) override;
    void FillRingArc(TPointF centre, double innerRadius, double outerRadius, double startDegrees,
                     double spanDegrees, TColor color) override;
    void StrokeCubic(TPointF p0, TPointF p1, TPointF p2, TPointF p3, double width,
                     TColor color) override;

private:
    QPainter& p_;
};

}  // namespace qtk
