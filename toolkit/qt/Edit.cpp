// The text box on QLineEdit. What QLineEdit does differently from the box the
// program needs, and how it is corrected here:
// - an equal-text setText emits nothing but still moves the caret, drops the
//   selection and the undo history, so SetText compares first;
// - its length limit of 32767 characters is lifted;
// - it keeps a 2-px inner margin on each side, which the text margins cancel so
//   the text starts right inside the border;
// - it selects its text only when entered by Tab, Backtab or a shortcut, not
//   when it is the first box to get the focus on activation.
#include <QFocusEvent>
#include <QPainter>
#include <QStyleOptionFrame>
#include <limits>
#include <qdrawutil.h>

#include "CrashReporter.h"
#include "Native.h"

namespace qtk {

namespace {
// QLineEdit's own horizontal margin inside its contents rectangle.
constexpr int kQLineEditInnerMargin = 2;

int borderWidth(TBorderStyle border)
{
    return border == TBorderStyle::Sunken3D ? 2 : 1;
}
}  // namespace

EditWidget::EditWidget(QWidget* parent, TBorderStyle border) : QLineEdit(parent), border_(border)
{
    setFrame(false);
    const int b = borderWidth(border);
    setTextMargins(b - kQLineEditInnerMargin, b, b - kQLineEditInnerMargin, b);
    setMaxLength(std::numeric_limits<int>::max());
    setFocusPolicy(Qt::StrongFocus);
}

void EditWidget::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    QPainter p(this);
    if (border_ == TBorderStyle::Sunken3D) {
        qDrawWinPanel(&p, rect(), palette(), true);
    } else {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void EditWidget::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    auto* form = qobject_cast<FormWidget*>(window());
    const bool firstOnActivation =
        event->reason() == Qt::ActiveWindowFocusReason && form && !form->focusedOnce;
    if (firstOnActivation || event->reason() == Qt::OtherFocusReason)
        selectAll();
    if (form)
        form->focusedOnce = true;
}

}  // namespace qtk

namespace {
std::unique_ptr<TControl::Native> makeEdit(TForm& owner, TBorderStyle border)
{
    auto native = std::make_unique<TControl::Native>();
    native->widget = new qtk::EditWidget(owner.native().widget, border);
    return native;
}
}  // namespace

int TEdit::HeightFor(const TFont& font, TBorderStyle border)
{
    return qtk::lineHeight(qtk::toQFont(font)) + BorderAllowance(border);
}

TEdit::TEdit(TForm& owner, const TEditProps& props)
    : TControl(owner, props.Name, makeEdit(owner, props.Border)), tabOrder_(props.TabOrder)
{
    auto* edit = static_cast<qtk::EditWidget*>(native().widget);
    edit->setFont(qtk::toQFont(props.Font));
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, qtk::toQColor(clWindow));
    palette.setColor(QPalette::Text, qtk::toQColor(props.Font.Color));
    edit->setPalette(palette);
    edit->setText(qtk::toQ(props.Text));
    edit->setGeometry(props.Left, props.Top, props.Width, HeightFor(props.Font, props.Border));
    edit->setAccessibleName(qtk::toQ(props.Accessible));
    edit->setAccessibleDescription(qtk::toQ(props.Description));
    // Connected only now that the start text is in place: building runs no handler.
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this] { changed(); });
}

String TEdit::Text() const
{
    return qtk::fromQ(static_cast<QLineEdit*>(native().widget)->text());
}

void TEdit::SetText(const String& text)
{
    auto* edit = static_cast<QLineEdit*>(native().widget);
    const QString q = qtk::toQ(text);
    if (edit->text() != q)
        edit->setText(q);
}

void TEdit::changed()
{
    if (OnChange)
        qtk::crash::guard([this] { OnChange(this); }, QStringLiteral("OnChange of ") + qtk::toQ(Name()));
}
