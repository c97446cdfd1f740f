#include "Native.h"

TControl::TControl(TForm& owner, String name, std::unique_ptr<Native> native)
    : owner_(owner), name_(std::move(name)), native_(std::move(native))
{
    native_->widget->setObjectName(qtk::toQ(name_));
}

TControl::~TControl()
{
    delete native_->widget;
}

TRect TControl::BoundsRect() const
{
    const QRect g = native_->widget->geometry();
    return {g.x(), g.y(), g.width(), g.height()};
}

void TControl::SetBounds(const TRect& r)
{
    native_->widget->setGeometry(r.Left, r.Top, r.Width, r.Height);
}
