#include "Picture.h"

namespace picture {

// clang-format off
const std::array<Circle, kCircleCount> kCircles = {{
    {"father",           {44, 48},   kFather,  Ring::Dashed},
    {"mother",           {574, 48},  kMother,  Ring::Dashed},
    {"upper sperm cell", {194, 436}, kAlleleB, Ring::Solid},
    {"lower sperm cell", {187, 599}, kAlleleA, Ring::Solid},
    {"left egg cell",    {452, 232}, kAlleleC, Ring::Solid},
    {"right egg cell",   {676, 232}, kAlleleD, Ring::Solid},
    {"child 1, left",    {411, 395}, kAlleleC, Ring::Solid},
    {"child 1, right",   {513, 395}, kAlleleB, Ring::Solid},
    {"child 2, left",    {636, 395}, kAlleleD, Ring::Solid},
    {"child 2, right",   {738, 395}, kAlleleB, Ring::Solid},
    {"child 3, left",    {411, 558}, kAlleleC, Ring::Solid},
    {"child 3, right",   {513, 558}, kAlleleA, Ring::Solid},
    {"child 4, left",    {636, 558}, kAlleleD, Ring::Solid},
    {"child 4, right",   {738, 558}, kAlleleA, Ring::Solid},
}};

const std::array<Stroke, kStrokeCount> kStrokes = {{
    {"father to upper sperm cell", 8, {{{44, 78}, {44, 167}, {45, 436}, {163, 436}}},
        {{{45, 150}, {53, 250}, {68, 330}, {87, 380}, {107, 410}, {130, 427}}}, 6},
    {"father to lower sperm cell", 8, {{{44, 78}, {44, 169}, {40, 599}, {156, 599}}},
        {{{46, 200}, {50, 300}, {60, 400}, {79, 500}, {103, 560}, {120, 582}}}, 6},
    {"mother to left egg cell", 8, {{{574, 78}, {574, 171}, {452, 109}, {452, 201}}},
        {{{560, 119}, {540, 132}, {513, 140}, {490, 146}, {470, 157}, {456, 175}}}, 6},
    {"mother to right egg cell", 8, {{{574, 78}, {574, 171}, {676, 108}, {676, 201}}},
        {{{590, 123}, {610, 135}, {625, 140}, {645, 146}, {660, 155}, {673, 175}}}, 6},
    {"tail of the upper sperm cell", 4, {{{194, 470}, {194, 524}, {225, 501}, {225, 524}}},
        {{{195, 485}, {200, 500}, {210, 509}, {220, 513}}}, 4},
    {"tail of the lower sperm cell", 4, {{{187, 633}, {187, 691}, {238, 665}, {238, 692}}},
        {{{189, 650}, {196, 665}, {210, 674}, {230, 680}}}, 4},
}};

// Pixel ranges, both ends included, as left, top, width, height.
const std::array<FrameLine, kFrameLineCount> kFrameLines = {{
    {"left side",          {357, 343, 6, 348}},   // columns 357-362, rows 343-690
    {"right side",         {786, 343, 5, 348}},   // columns 786-790, rows 343-690
    {"top side",           {359, 341, 430, 5}},   // columns 359-788, rows 341-345
    {"bottom side",        {359, 688, 430, 5}},   // columns 359-788, rows 688-692
    {"vertical divider",   {562, 341, 5, 352}},   // columns 562-566, rows 341-692
    {"horizontal divider", {357, 505, 434, 5}},   // columns 357-790, rows 505-509
}};
// clang-format on

namespace {

void drawBackground(TCanvas& canvas)
{
    canvas.FillRect({0, 0, kSize.Width, kSize.Height}, kBackground);
}

void drawFrame(TCanvas& canvas)
{
    for (const FrameLine& line : kFrameLines)
        canvas.FillRect(line.pixels, kInk);
}

void drawStrokes(TCanvas& canvas)
{
    for (const Stroke& s : kStrokes)
        canvas.StrokeCubic(s.control[0], s.control[1], s.control[2], s.control[3], s.width, kInk);
}

void drawSolidCircles(TCanvas& canvas)
{
    for (const Circle& c : kCircles) {
        if (c.ring != Ring::Solid)
            continue;
        canvas.FillDisc(c.centre, kRingOuter, kInk);
        canvas.FillDisc(c.centre, kRingInner, c.fill);
    }
}

void drawParents(TCanvas& canvas)
{
    for (const Circle& c : kCircles) {
        if (c.ring != Ring::Dashed)
            continue;
        canvas.FillDisc(c.centre, kRimRadius, c.fill);
        for (int k = 0; k < kDashCount; ++k)
            canvas.FillRingArc(c.centre, kRingInner, kRingOuter, kDashFirst + kDashPeriod * k,
                               kDashSpan, kInk);
    }
}

}  // namespace

void Draw(TCanvas& canvas)
{
    drawBackground(canvas);
    drawFrame(canvas);
    drawStrokes(canvas);
    drawSolidCircles(canvas);
    drawParents(canvas);
}

}  // namespace picture
