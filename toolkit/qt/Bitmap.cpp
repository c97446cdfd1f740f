#include <cmath>

#include "Canvas.h"
#include "Native.h"

TBitmap::TBitmap() : native_(std::make_unique<Native>()) {}

TBitmap::TBitmap(TSize logicalSize, double scale, const TDrawProc& draw)
    : native_(std::make_unique<Native>())
{
    native_->logical = logicalSize;
    native_->scale = scale;
    const int w = static_cast<int>(std::lround(logicalSize.Width * scale));
    const int h = static_cast<int>(std::lround(logicalSize.Height * scale));
    native_->image = QImage(w, h, QImage::Format_RGB32);
    native_->image.fill(Qt::white);
    native_->image.setDevicePixelRatio(scale);
    QPainter painter(&native_->image);
    qtk::PainterCanvas canvas(painter);
    draw(canvas);
}

TBitmap::TBitmap(const TBitmap& other) : native_(std::make_unique<Native>(*other.native_)) {}

TBitmap& TBitmap::operator=(const TBitmap& other)
{
    *native_ = *other.native_;
    return *this;
}

TBitmap::~TBitmap() = default;

bool TBitmap::Empty() const { return native_->image.isNull(); }
TSize TBitmap::Size() const { return native_->logical; }
TSize TBitmap::DeviceSize() const { return {native_->image.width(), native_->image.height()}; }
double TBitmap::Scale() const { return native_->scale; }

TColor TBitmap::Pixel(int x, int y) const
{
    return native_->image.pixel(x, y) & 0xFFFFFFu;
}

bool TBitmap::SavePng(const std::string& path) const
{
    return native_->image.save(QString::fromStdString(path), "PNG");
}
