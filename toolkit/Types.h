// The plain types the widget layer shares with the program: texts, colours,
// rectangles, fonts and the notification type. Nothing here depends on the
// platform the layer is built on, so app/ and diagram/ compile the same way
// against every implementation of the layer.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Texts are UTF-16, as both Qt and the Windows API keep them.
using String = std::u16string;

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
};

// A notification handler takes the object whose notification fired.
using TNotifyEvent = std::function<void(TObject* Sender)>;

template <class Target>
TNotifyEvent MakeNotify(Target* target, void (Target::*handler)(TObject*))
{
    return [target, handler](TObject* sender) { (target->*handler)(sender); };
}

// 0x00RRGGBB, or one of the system colours below (top byte 0xFF) whose shade
// the platform decides.
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clSystemFlag = 0xFF000000;
constexpr TColor clWindowText = clSystemFlag | 1;
constexpr TColor clWindow = clSystemFlag | 2;
constexpr TColor clBtnFace = clSystemFlag | 3;

constexpr bool IsSystemColor(TColor c) { return (c & clSystemFlag) == clSystemFlag; }

// In pixels of the parent's client area: left, top, width, height.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    bool Contains(int x, int y) const { return x >= Left && x < Right() && y >= Top && y < Bottom(); }
    friend bool operator==(const TRect&, const TRect&) = default;
};

struct TSize {
    int Width = 0;
    int Height = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

struct TFont {
    String Name;
    int Height = 0;  // character (em) height in pixels, not points
    bool Bold = false;
    TColor Color = clWindowText;
    friend bool operator==(const TFont&, const TFont&) = default;
};
