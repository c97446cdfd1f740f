// Pictures in memory, drawn by the platform-free canvas: the Windows API has
// no anti-aliased drawing of its own that matches the Qt build.
#include <cmath>
#include <cstdio>

#include "../soft/Png.h"
#include "../soft/SoftCanvas.h"
#include "Native.h"

TBitmap::TBitmap() : native_(std::make_unique<Native>()) {}

TBitmap::TBitmap(TSize logicalSize, double scale, const TDrawProc& draw) : native_(std::make_unique<Native>())
{
    native_->logical = logicalSize;
    native_->scale = scale;
    native_->width = static_cast<int>(std::lround(logicalSize.Width * scale));
    native_->height = static_cast<int>(std::lround(logicalSize.Height * scale));
    SoftCanvas canvas(native_->width, native_->height, scale);
    draw(canvas);
    native_->pixels = std::move(canvas.Pixels());
}

TBitmap::TBitmap(const TBitmap& other) : native_(std::make_unique<Native>(*other.native_)) {}

TBitmap& TBitmap::operator=(const TBitmap& other)
{
    *native_ = *other.native_;
    return *this;
}

TBitmap::~TBitmap() = default;

bool TBitmap::Empty() const { return native_->pixels.empty(); }
TSize TBitmap::Size() const { return native_->logical; }
TSize TBitmap::DeviceSize() const { return {native_->width, native_->height}; }
double TBitmap::Scale() const { return native_->scale; }

TColor TBitmap::Pixel(int x, int y) const
{
    return native_->pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(native_->width) + static_cast<std::size_t>(x)];
}

bool TBitmap::SavePng(const std::string& path) const
{
    const std::vector<std::uint8_t> bytes = png::EncodeRgb(native_->width, native_->height, native_->pixels.data());
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}
