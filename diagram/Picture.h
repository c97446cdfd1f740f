// The crossing diagram under the controls: the father and the mother with
// dashed rims, their strokes down to the two sperm cells (with tails) and the
// two egg cells, and the grid of four children, each with the circles of its
// two alleles. The picture is a table of shapes, drawn by one loop per kind.
// Coordinates are picture pixels; whole numbers fall on pixel boundaries.
#pragma once

#include <array>
#include <string_view>

#include "toolkit/Canvas.h"

namespace picture {

constexpr TSize kSize{802, 707};

constexpr TColor kBackground = 0xCCFFFF;  // light cyan
constexpr TColor kInk = 0x000000;         // every line, ring, dash and the grid
constexpr TColor kFather = 0x94476B;      // mauve
constexpr TColor kMother = 0x99CCFF;      // light blue
constexpr TColor kAlleleA = 0xFF6633;     // lower sperm cell, children 3 and 4
constexpr TColor kAlleleB = 0x99284C;     // upper sperm cell, children 1 and 2
constexpr TColor kAlleleC = 0x00B8FF;     // left egg cell, children 1 and 3
constexpr TColor kAlleleD = 0x3DEB3D;     // right egg cell, children 2 and 4

// Every circle: its rim at kRimRadius, an 8-px ring centred on it.
constexpr double kRimRadius = 30.5;
constexpr double kRingInner = 26.5;
constexpr double kRingOuter = 34.5;

// The parents' dashed rims: six dashes of 30 degrees, one every 60, the first
// from 31 degrees (0 points right, angles grow clockwise on screen).
constexpr int kDashCount = 6;
constexpr double kDashFirst = 31.0;
constexpr double kDashSpan = 30.0;
constexpr double kDashPeriod = 60.0;

enum class Ring { Solid, Dashed };

struct Circle {
    std::string_view name;
    TPointF centre;
    TColor fill;
    Ring ring;
};

struct Stroke {
    std::string_view name;
    double width;
    std::array<TPointF, 4> control;  // P0 to P3 of the cubic Bezier
    // Points the drawn centre line passes within 1 px of; unused ones are (0, 0).
    std::array<TPointF, 6> passes;
    int passCount;
};

struct FrameLine {
    std::string_view name;
    TRect pixels;
};

constexpr int kCircleCount = 14;
constexpr int kStrokeCount = 6;
constexpr int kFrameLineCount = 6;

extern const std::array<Circle, kCircleCount> kCircles;
extern const std::array<Stroke, kStrokeCount> kStrokes;
extern const std::array<FrameLine, kFrameLineCount> kFrameLines;

// Paints the whole picture, each step over the one before: background, grid
// frame, strokes, the solid circles, then the parents' dashed circles.
void Draw(TCanvas& canvas);

}  // namespace picture
