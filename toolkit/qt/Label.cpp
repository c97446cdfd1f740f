// The static text as a painted widget rather than a QLabel: a QLabel lets mouse
// events fall through to the widget beneath, and this one must keep them.
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "CrashReporter.h"
#include "Native.h"

namespace qtk {

LabelWidget::LabelWidget(QWidget* parent, TLabel& label, QString text, const QFont& font,
                         QColor color)
    : QWidget(parent), label_(label), text_(std::move(text)), color_(color)
{
    setFont(font);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

void LabelWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(font());
    p.setPen(color_);
    p.drawText(QPointF(0, QFontMetrics(font()).ascent()), text_);
}

void LabelWidget::mousePressEvent(QMouseEvent* event) { event->accept(); }
void LabelWidget::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }
void LabelWidget::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

void LabelWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && label_.OnDblClick)
        crash::guard([this] { label_.OnDblClick(&label_); }, QStringLiteral("OnDblClick of ") + objectName());
}

}  // namespace qtk

namespace {
std::unique_ptr<TControl::Native> makeLabel(TForm& owner, TLabel& label, const TLabelProps& props)
{
    auto native = std::make_unique<TControl::Native>();
    native->widget = new qtk::LabelWidget(owner.native().widget, label, qtk::toQ(props.Caption),
                                          qtk::toQFont(props.Font, qtk::Glyphs::OwnFace),
                                          qtk::toQColor(props.Font.Color));
    return native;
}
}  // namespace

TSize TLabel::TextExtent(const String& text, const TFont& font)
{
    const QFont f = qtk::toQFont(font, qtk::Glyphs::OwnFace);
    return {QFontMetrics(f).horizontalAdvance(qtk::toQ(text)), qtk::lineHeight(f)};
}

TLabel::TLabel(TForm& owner, const TLabelProps& props)
    : TControl(owner, props.Name, makeLabel(owner, *this, props))
{
    const TSize extent = TextExtent(props.Caption, props.Font);
    SetBounds({props.Left, props.Top, extent.Width, extent.Height});
}

String TLabel::Caption() const
{
    return qtk::fromQ(static_cast<qtk::LabelWidget*>(native().widget)->text());
}
