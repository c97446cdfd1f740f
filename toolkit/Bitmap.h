// An opaque picture in memory, drawn once through a TCanvas. Its size is given
// in logical pixels; at a scale above 1 it holds that many more device pixels,
// so that a vector drawing stays sharp on a dense screen.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "Canvas.h"

using TDrawProc = std::function<void(TCanvas&)>;

class TBitmap {
public:
    TBitmap();
    TBitmap(TSize logicalSize, double scale, const TDrawProc& draw);
    TBitmap(const TBitmap&);
    TBitmap& operator=(const TBitmap&);
    ~TBitmap();

    bool Empty() const;
    TSize Size() const;        // logical pixels
    TSize DeviceSize() const;  // device pixels
    double Scale() const;
    // The colour of one device pixel as 0x00RRGGBB.
    TColor Pixel(int x, int y) const;
    bool SavePng(const std::string& path) const;

    struct Native;
    Native& native() const { return *native_; }

private:
    std::unique_ptr<Native> native_;
};
