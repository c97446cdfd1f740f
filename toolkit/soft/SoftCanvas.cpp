#include "SoftCanvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

struct Box {
    int x0, y0, x1, y1;  // device pixels, x1 and y1 exclusive
};

Box clip(double left, double top, double right, double bottom, int width, int height)
{
    return {std::max(0, static_cast<int>(std::floor(left))), std::max(0, static_cast<int>(std::floor(top))),
            std::min(width, static_cast<int>(std::ceil(right))), std::min(height, static_cast<int>(std::ceil(bottom)))};
}

double sampleOffset(int i, int grid) { return (i + 0.5) / grid; }

}  // namespace

SoftCanvas::SoftCanvas(int width, int height, double scale)
    : width_(width), height_(height), scale_(scale),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0xFFFFFFu)
{
}

void SoftCanvas::blend(int x, int y, TColor color, int covered)
{
    if (covered <= 0)
        return;
    std::uint32_t& p = pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
    constexpr int kAll = kGrid * kGrid;
    if (covered >= kAll) {
        p = color & 0xFFFFFFu;
        return;
    }
    const auto mix = [covered](std::uint32_t under, std::uint32_t over, int shift) {
        const int a = static_cast<int>((under >> shift) & 0xFF), b = static_cast<int>((over >> shift) & 0xFF);
        return static_cast<std::uint32_t>((a * (kAll - covered) + b * covered + kAll / 2) / kAll) << shift;
    };
    p = mix(p, color, 16) | mix(p, color, 8) | mix(p, color, 0);
}

void SoftCanvas::FillRect(const TRect& pixels, TColor color)
{
    const int s = static_cast<int>(std::lround(scale_));
    const Box b = clip(pixels.Left * s, pixels.Top * s, pixels.Right() * s, pixels.Bottom() * s, width_, height_);
    for (int y = b.y0; y < b.y1; ++y)
        for (int x = b.x0; x < b.x1; ++x)
            pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] = color & 0xFFFFFFu;
}

void SoftCanvas::FillDisc(TPointF centre, double radius, TColor color)
{
    FillRingArc(centre, 0.0, radius, 0.0, 360.0, color);
}

void SoftCanvas::FillRingArc(TPointF centre, double innerRadius, double outerRadius, double startDegrees,
                             double spanDegrees, TColor color)
{
    const double cx = centre.X * scale_, cy = centre.Y * scale_;
    const double ri = innerRadius * scale_, ro = outerRadius * scale_;
    const bool full = spanDegrees >= 360.0;
    const double start = std::fmod(std::fmod(startDegrees, 360.0) + 360.0, 360.0);
    const auto inside = [&](double x, double y) {
        const double d = std::hypot(x - cx, y - cy);
        if (d > ro || d < ri)
            return false;
        if (full)
            return true;
        double a = std::atan2(y - cy, x - cx) * 180.0 / std::numbers::pi;  // clockwise on screen
        a = std::fmod(a - start + 720.0, 360.0);
        return a <= spanDegrees;
    };
    constexpr double kHalfDiagonal = 0.7072;
    const Box b = clip(cx - ro, cy - ro, cx + ro, cy + ro, width_, height_);
    for (int y = b.y0; y < b.y1; ++y) {
        for (int x = b.x0; x < b.x1; ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d - kHalfDiagonal > ro || d + kHalfDiagonal < ri)
                continue;
            int covered = 0;
            if (full && d + kHalfDiagonal <= ro && d - kHalfDiagonal >= ri) {
                covered = kGrid * kGrid;
            } else {
                for (int j = 0; j < kGrid; ++j)
                    for (int i = 0; i < kGrid; ++i)
                        covered += inside(x + sampleOffset(i, kGrid), y + sampleOffset(j, kGrid));
            }
            blend(x, y, color, covered);
        }
    }
}

void SoftCanvas::StrokeCubic(TPointF p0, TPointF p1, TPointF p2, TPointF p3, double width, TColor color)
{
    // The curve as a fine polyline; the stroke is the union of one rectangle
    // a segment (flat, so the two ends are cut square) and a disc at every
    // inner joint, marked on a sample grid so that overlaps count once.
    constexpr int kSegments = 512;
    std::vector<TPointF> pts;
    pts.reserve(kSegments + 1);
    for (int i = 0; i <= kSegments; ++i) {
        const double t = static_cast<double>(i) / kSegments, u = 1 - t;
        pts.push_back({(u * u * u * p0.X + 3 * u * u * t * p1.X + 3 * u * t * t * p2.X + t * t * t * p3.X) * scale_,
                       (u * u * u * p0.Y + 3 * u * u * t * p1.Y + 3 * u * t * t * p2.Y + t * t * t * p3.Y) * scale_});
    }
    const double half = width * scale_ / 2;
    double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
    for (const TPointF& p : pts) {
        left = std::min(left, p.X - half);
        top = std::min(top, p.Y - half);
        right = std::max(right, p.X + half);
        bottom = std::max(bottom, p.Y + half);
    }
    const Box b = clip(left, top, right, bottom, width_, height_);
    if (b.x0 >= b.x1 || b.y0 >= b.y1)
        return;
    const int sw = (b.x1 - b.x0) * kGrid, sh = (b.y1 - b.y0) * kGrid;
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(sw) * static_cast<std::size_t>(sh), 0);
    const auto mark = [&](double minX, double minY, double maxX, double maxY, auto&& test) {
        const int i0 = std::max(0, static_cast<int>(std::floor((minX - b.x0) * kGrid)));
        const int j0 = std::max(0, static_cast<int>(std::floor((minY - b.y0) * kGrid)));
        const int i1 = std::min(sw, static_cast<int>(std::ceil((maxX - b.x0) * kGrid)) + 1);
        const int j1 = std::min(sh, static_cast<int>(std::ceil((maxY - b.y0) * kGrid)) + 1);
        for (int j = j0; j < j1; ++j)
            for (int i = i0; i < i1; ++i) {
                std::uint8_t& m = mask[static_cast<std::size_t>(j) * static_cast<std::size_t>(sw) + static_cast<std::size_t>(i)];
                if (!m && test(b.x0 + (i + 0.5) / kGrid, b.y0 + (j + 0.5) / kGrid))
                    m = 1;
            }
    };
    // The flat ends: nothing of a joint's disc may reach past the lines cut
    // square to the curve at its two ends.
    const TPointF first = pts.front(), second = pts[1], last = pts.back(), beforeLast = pts[pts.size() - 2];
    const auto withinEnds = [&](double x, double y) {
        const double startSide = (x - first.X) * (second.X - first.X) + (y - first.Y) * (second.Y - first.Y);
        const double endSide = (x - last.X) * (last.X - beforeLast.X) + (y - last.Y) * (last.Y - beforeLast.Y);
        return startSide >= 0 && endSide <= 0;
    };
    for (int k = 0; k < kSegments; ++k) {
        const TPointF a = pts[static_cast<std::size_t>(k)], c = pts[static_cast<std::size_t>(k) + 1];
        const double dx = c.X - a.X, dy = c.Y - a.Y, len = std::hypot(dx, dy);
        if (len <= 0)
            continue;
        const double ux = dx / len, uy = dy / len;
        mark(std::min(a.X, c.X) - half, std::min(a.Y, c.Y) - half, std::max(a.X, c.X) + half,
             std::max(a.Y, c.Y) + half, [&](double x, double y) {
                 const double along = (x - a.X) * ux + (y - a.Y) * uy;
                 const double across = -(x - a.X) * uy + (y - a.Y) * ux;
                 return along >= 0 && along <= len && std::abs(across) <= half;
             });
        if (k > 0)
            mark(a.X - half, a.Y - half, a.X + half, a.Y + half,
                 [&](double x, double y) { return std::hypot(x - a.X, y - a.Y) <= half && withinEnds(x, y); });
    }
    for (int y = b.y0; y < b.y1; ++y)
        for (int x = b.x0; x < b.x1; ++x) {
            int covered = 0;
            for (int j = 0; j < kGrid; ++j)
                for (int i = 0; i < kGrid; ++i)
                    covered += mask[static_cast<std::size_t>((y - b.y0) * kGrid + j) * static_cast<std::size_t>(sw) +
                                    static_cast<std::size_t>((x - b.x0) * kGrid + i)];
            blend(x, y, color, covered);
        }
}
