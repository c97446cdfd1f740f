#include "Native.h"

TImage::TImage(TForm& owner, String name) : TControl(owner, std::move(name), [] {
    auto native = std::make_unique<TControl::Native>();
    native->kind = TControl::Native::Kind::Image;
    return native;
}())
{
    const TSize client = owner.ClientSize();
    native().rect = {0, 0, client.Width, client.Height};
}

void TImage::SetPicture(TSize size, TDrawProc draw)
{
    // This build is not DPI-aware: Windows scales the whole window, so the
    // picture is drawn at its own size.
    native().pictureSize = size;
    native().draw = std::move(draw);
    native().picture = TBitmap(size, 1.0, native().draw);
    InvalidateRect(Owner().native().hwnd, nullptr, FALSE);
}

const TBitmap& TImage::Picture() const { return native().picture; }
