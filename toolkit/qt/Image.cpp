#include <QMouseEvent>
#include <QPainter>

#include "CrashReporter.h"
#include "Native.h"

namespace qtk {

ImageWidget::ImageWidget(QWidget* parent, TImage& image) : QWidget(parent), image_(image)
{
    setFocusPolicy(Qt::NoFocus);
}

void ImageWidget::setPicture(TSize size, TDrawProc draw)
{
    size_ = size;
    draw_ = std::move(draw);
    picture_ = TBitmap(size_, devicePixelRatioF(), draw_);
    update();
}

QPoint ImageWidget::pictureOrigin() const
{
    return {TImage::CentredOrigin(width(), size_.Width),
            TImage::CentredOrigin(height(), size_.Height)};
}

void ImageWidget::redrawIfDensityChanged()
{
    if (draw_ && picture_.Scale() != devicePixelRatioF())
        picture_ = TBitmap(size_, devicePixelRatioF(), draw_);
}

void ImageWidget::paintEvent(QPaintEvent*)
{
    if (picture_.Empty())
        return;
    redrawIfDensityChanged();
    QPainter p(this);
    p.drawImage(pictureOrigin(), picture_.native().image);
}

void ImageWidget::mousePressEvent(QMouseEvent* event) { event->accept(); }

void ImageWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && image_.OnDblClick)
        crash::guard([this] { image_.OnDblClick(&image_); }, QStringLiteral("OnDblClick of ") + objectName());
}

}  // namespace qtk

namespace {
std::unique_ptr<TControl::Native> makeImage(TForm& owner, TImage& image)
{
    auto native = std::make_unique<TControl::Native>();
    native->widget = new qtk::ImageWidget(owner.native().widget, image);
    return native;
}
}  // namespace

TImage::TImage(TForm& owner, String name) : TControl(owner, std::move(name), makeImage(owner, *this))
{
    const TSize client = owner.ClientSize();
    SetBounds({0, 0, client.Width, client.Height});
}

void TImage::SetPicture(TSize size, TDrawProc draw)
{
    static_cast<qtk::ImageWidget*>(native().widget)->setPicture(size, std::move(draw));
}

const TBitmap& TImage::Picture() const
{
    return static_cast<qtk::ImageWidget*>(native().widget)->picture();
}
