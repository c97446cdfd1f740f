#include "Layout.h"

namespace layout {

namespace {
constexpr TColor kNumberBlack = 0x000000;
constexpr int kNoTab = -1;
constexpr std::u16string_view kQuestion = u"?";
}  // namespace

// clang-format off
const std::array<Control, kControlCount> kControls = {{
    {u"Image1", Kind::Picture,      {0, 0, 808, 711},   u"",      FontRole::Window, clWindowText, kNoTab, u"", u""},
    {u"Man",    Kind::StaticText,   {88, 94, 42, 24},   u"Man",   FontRole::Parent, clWindowText, kNoTab, u"", u""},
    {u"Label4", Kind::StaticText,   {573, 670, 9, 19},  u"4",     FontRole::Number, kNumberBlack, kNoTab, u"", u""},
    {u"Label5", Kind::StaticText,   {370, 670, 9, 19},  u"3",     FontRole::Number, kNumberBlack, kNoTab, u"", u""},
    {u"Label6", Kind::StaticText,   {573, 484, 9, 19},  u"2",     FontRole::Number, kNumberBlack, kNoTab, u"", u""},
    {u"Label7", Kind::StaticText,   {370, 484, 9, 19},  u"1",     FontRole::Number, kNumberBlack, kNoTab, u"", u""},
    {u"vrouw",  Kind::StaticText,   {341, 42, 23, 41},  u"X",     FontRole::Cross,  clWindowText, kNoTab, u"", u""},
    {u"Label8", Kind::StaticText,   {621, 94, 62, 24},  u"Vrouw", FontRole::Parent, clWindowText, kNoTab, u"", u""},
    {u"c2", Kind::CaptionedBox, {431, 288, 41, 30}, u"", FontRole::Cell, kRowC, 6,
        u"Linker eicel, allel c", u"Gen in de linker eicel van de moeder; gaat naar kind 1 en kind 3"},
    {u"d2", Kind::CaptionedBox, {668, 288, 42, 30}, u"", FontRole::Cell, kRowD, 7,
        u"Rechter eicel, allel d", u"Gen in de rechter eicel van de moeder; gaat naar kind 2 en kind 4"},
    {u"b2", Kind::CaptionedBox, {241, 424, 32, 30}, u"", FontRole::Cell, kRowB, 8,
        u"Bovenste zaadcel, allel b", u"Gen in de bovenste zaadcel van de vader; gaat naar kind 1 en kind 2"},
    {u"a2", Kind::CaptionedBox, {241, 585, 35, 30}, u"", FontRole::Cell, kRowA, 13,
        u"Onderste zaadcel, allel a", u"Gen in de onderste zaadcel van de vader; gaat naar kind 3 en kind 4"},
    {u"c3", Kind::Box, {427, 440, 33, 30}, kQuestion, FontRole::Cell, kRowC, 9,
        u"Kind 1, allel c van de moeder", u"Kind 1, vak linksboven: het allel uit de linker eicel"},
    {u"c4", Kind::Box, {427, 601, 33, 30}, kQuestion, FontRole::Cell, kRowC, 14,
        u"Kind 3, allel c van de moeder", u"Kind 3, vak linksonder: het allel uit de linker eicel"},
    {u"b3", Kind::Box, {466, 440, 33, 30}, kQuestion, FontRole::Cell, kRowB, 10,
        u"Kind 1, allel b van de vader", u"Kind 1, vak linksboven: het allel uit de bovenste zaadcel"},
    {u"a3", Kind::Box, {466, 601, 33, 30}, kQuestion, FontRole::Cell, kRowA, 15,
        u"Kind 3, allel a van de vader", u"Kind 3, vak linksonder: het allel uit de onderste zaadcel"},
    {u"d3", Kind::Box, {651, 440, 33, 30}, kQuestion, FontRole::Cell, kRowD, 11,
        u"Kind 2, allel d van de moeder", u"Kind 2, vak rechtsboven: het allel uit de rechter eicel"},
    {u"d4", Kind::Box, {651, 601, 33, 30}, kQuestion, FontRole::Cell, kRowD, 16,
        u"Kind 4, allel d van de moeder", u"Kind 4, vak rechtsonder: het allel uit de rechter eicel"},
    {u"b4", Kind::Box, {690, 440, 33, 30}, kQuestion, FontRole::Cell, kRowB, 12,
        u"Kind 2, allel b van de vader", u"Kind 2, vak rechtsboven: het allel uit de bovenste zaadcel"},
    {u"a4", Kind::Box, {690, 601, 33, 30}, kQuestion, FontRole::Cell, kRowA, 17,
        u"Kind 4, allel a van de vader", u"Kind 4, vak rechtsonder: het allel uit de onderste zaadcel"},
    {u"c1", Kind::CaptionedBox, {621, 58, 41, 30}, u"", FontRole::Cell, kRowC, 4,
        u"Moeder, allel c", u"Eerste allel van de moeder; gaat naar de linker eicel"},
    {u"d1", Kind::CaptionedBox, {668, 58, 42, 30}, u"", FontRole::Cell, kRowD, 5,
        u"Moeder, allel d", u"Tweede allel van de moeder; gaat naar de rechter eicel"},
    {u"b1", Kind::CaptionedBox, {129, 58, 35, 30}, u"", FontRole::Cell, kRowB, 3,
        u"Vader, allel b", u"Tweede allel van de vader; gaat naar de bovenste zaadcel"},
    {u"a1", Kind::CaptionedBox, {88, 58, 35, 30}, u"", FontRole::Cell, kRowA, 2,
        u"Vader, allel a", u"Eerste allel van de vader; gaat naar de onderste zaadcel"},
    {u"Edit1", Kind::FlatBox, {621, 16, 121, 25}, u"", FontRole::Field, clWindowText, 1,
        u"Moeder", u"Vrij tekstveld boven de moeder, bijvoorbeeld voor haar naam of kenmerk"},
    {u"Edit2", Kind::FlatBox, {88, 16, 121, 25}, u"", FontRole::Field, clWindowText, 0,
        u"Vader", u"Vrij tekstveld boven de vader, bijvoorbeeld voor zijn naam of kenmerk"},
}};

const std::array<Caption, kCaptionCount> kCaptions = {{
    {u"c2", u"gen in eicel",     {431, 272, 53, 13}},
    {u"d2", u"gen in eicel",     {668, 272, 53, 13}},
    {u"b2", u"gen in spermacel", {241, 408, 80, 13}},
    {u"a2", u"gen in spermacel", {241, 569, 80, 13}},
    {u"c1", u"c1",               {621, 42, 11, 13}},
    {u"d1", u"d1",               {668, 42, 12, 13}},
    {u"b1", u"b1",               {129, 42, 12, 13}},
    {u"a1", u"a1",               {88, 42, 12, 13}},
}};
// clang-format on

TFont FontFor(FontRole role, TColor colour)
{
    constexpr std::u16string_view kArial = u"Arial";
    switch (role) {
    case FontRole::Cell:
        return {String(kArial), 19, true, colour};
    case FontRole::Field:
    case FontRole::Number:
        return {String(kArial), 16, true, colour};
    case FontRole::Parent:
        return {String(kArial), 21, true, colour};
    case FontRole::Cross:
        return {String(kArial), 35, true, colour};
    case FontRole::Window:
    default:
        return {u"Tahoma", 11, false, colour};
    }
}

TFont WindowFont() { return FontFor(FontRole::Window, clWindowText); }

const Caption* CaptionOf(std::u16string_view box)
{
    for (const Caption& c : kCaptions)
        if (c.box == box)
            return &c;
    return nullptr;
}

}  // namespace layout
