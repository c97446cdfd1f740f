#include "Native.h"

TControl::TControl(TForm& owner, String name, std::unique_ptr<Native> native)
    : owner_(owner), name_(std::move(name)), native_(std::move(native))
{
}

TControl::~TControl()
{
    if (native_->hwnd)
        DestroyWindow(native_->hwnd);
    if (native_->font)
        DeleteObject(native_->font);
}

TRect TControl::BoundsRect() const
{
    if (!native_->hwnd)
        return native_->rect;
    RECT r{};
    GetWindowRect(native_->hwnd, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(native_->hwnd), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void TControl::SetBounds(const TRect& r)
{
    if (native_->hwnd) {
        MoveWindow(native_->hwnd, r.Left, r.Top, r.Width, r.Height, TRUE);
        return;
    }
    native_->rect = r;
    InvalidateRect(owner_.native().hwnd, nullptr, FALSE);
}
