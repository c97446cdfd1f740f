#include "Canvas.h"

#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "Native.h"

namespace qtk {

namespace {
QPointF toQ(TPointF p) { return {p.X, p.Y}; }

QPointF onCircle(TPointF centre, double radius, double degrees)
{
    const double a = degrees * std::numbers::pi / 180.0;
    return {centre.X + radius * std::cos(a), centre.Y + radius * std::sin(a)};
}

QRectF square(TPointF centre, double radius)
{
    return {centre.X - radius, centre.Y - radius, 2 * radius, 2 * radius};
}
}  // namespace

void PainterCanvas::FillRect(const TRect& pixels, TColor color)
{
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.fillRect(QRectF(pixels.Left, pixels.Top, pixels.Width, pixels.Height), toQColor(color));
}

void PainterCanvas::FillDisc(TPointF centre, double radius, TColor color)
{
    p_.setRenderHint(QPainter::Antialiasing, true);
    p_.setPen(Qt::NoPen);
    p_.setBrush(toQColor(color));
    p_.drawEllipse(toQ(centre), radius, radius);
}

void PainterCanvas::FillRingArc(TPointF centre, double innerRadius, double outerRadius,
                                double startDegrees, double spanDegrees, TColor color)
{
    // Qt counts angles counter-clockwise on screen; ours grow clockwise.
    QPainterPath path;
    path.moveTo(onCircle(centre, outerRadius, startDegrees));
    path.arcTo(square(centre, outerRadius), -startDegrees, -spanDegrees);
    path.lineTo(onCircle(centre, innerRadius, startDegrees + spanDegrees));
    path.arcTo(square(centre, innerRadius), -(startDegrees + spanDegrees), spanDegrees);
    path.closeSubpath();
    p_.setRenderHint(QPainter::Antialiasing, true);
    p_.fillPath(path, toQColor(color));
}

void PainterCanvas::StrokeCubic(TPointF p0, TPointF p1, TPointF p2, TPointF p3, double width,
                                TColor color)
{
    QPainterPath path(toQ(p0));
    path.cubicTo(toQ(p1), toQ(p2), toQ(p3));
    QPen pen(toQColor(color), width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    p_.setRenderHint(QPainter::Antialiasing, true);
    p_.strokePath(path, pen);
}

}  // namespace qtk
