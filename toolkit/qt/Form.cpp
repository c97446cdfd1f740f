// The form on a top-level QWidget that is its own client area.
//
// Qt reports the window manager's frame only once the window is framed, so the
// client size is derived again whenever the window is shown, moved or resized.
// The offscreen and minimal platforms invent a frame that no one sees; they
// count as having none.
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "Native.h"

namespace qtk {

FormWidget::FormWidget(TForm& form) : QWidget(nullptr), form_(form)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAutoFillBackground(true);
}

TFrame FormWidget::currentFrame() const
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return {};
    const QWindow* window = windowHandle();
    if (!window || !isVisible())
        return frame_;
    const QMargins m = window->frameMargins();
    return {m.left(), m.top(), m.right(), m.bottom()};
}

void FormWidget::holdSize()
{
    TFrame frame = currentFrame();
    if (frame.Empty())
        frame = TForm::kReferenceFrame;
    frame_ = frame;
    const TSize outer = form_.OuterSize();
    const QSize client(std::max(0, outer.Width - frame.Left - frame.Right),
                       std::max(0, outer.Height - frame.Top - frame.Bottom));
    if (minimumSize() != client || maximumSize() != client || size() != client)
        setFixedSize(client);
}

bool FormWidget::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
    case QEvent::PlatformSurface:
        holdSize();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void FormWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The picture control follows the client area.
    for (auto* image : findChildren<ImageWidget*>(Qt::FindDirectChildrenOnly))
        image->setGeometry(rect());
}

}  // namespace qtk

TForm::TForm() : native_(std::make_unique<Native>()), outer_{816, 745}
{
    qtk::ensureFonts();
    native_->widget = new qtk::FormWidget(*this);
    native_->widget->holdSize();
}

TForm::~TForm()
{
    // Controls first: each takes its widget with it, then the window goes.
    while (!controls_.empty())
        controls_.pop_back();
    delete native_->widget;
}

void TForm::SetCaption(const String& caption) { native_->widget->setWindowTitle(qtk::toQ(caption)); }
String TForm::Caption() const { return qtk::fromQ(native_->widget->windowTitle()); }

void TForm::SetOuterSize(TSize size)
{
    outer_ = size;
    native_->widget->holdSize();
}

TSize TForm::ClientSize() const
{
    const QSize s = native_->widget->size();
    return {s.width(), s.height()};
}

void TForm::SetColor(TColor color)
{
    QPalette palette = native_->widget->palette();
    palette.setColor(QPalette::Window, qtk::toQColor(color));
    native_->widget->setPalette(palette);
}

void TForm::SetFont(const TFont& font)
{
    font_ = font;
    // The window's font serves its captions.
    native_->widget->setFont(qtk::toQFont(font, qtk::Glyphs::OwnFace));
}

void TForm::SetIcon(const std::vector<TBitmap>& images)
{
    QIcon icon;
    for (const TBitmap& image : images)
        icon.addPixmap(QPixmap::fromImage(image.native().image));
    native_->widget->setWindowIcon(icon);
}

void TForm::added(TControl& control)
{
    QWidget* widget = control.native().widget;
    if (dynamic_cast<TEdit*>(&control)) {
        // Text boxes lie above every static text and caption.
        widget->raise();
        // Tab order follows each box's TabOrder, whatever the creation order.
        const std::vector<TEdit*> boxes = BoxesInTabOrder();
        for (std::size_t i = 1; i < boxes.size(); ++i)
            QWidget::setTabOrder(boxes[i - 1]->native().widget, boxes[i]->native().widget);
    } else {
        // Static texts and captions go under the lowest text box, above what
        // came before them.
        for (QObject* child : native_->widget->children()) {
            if (auto* box = qobject_cast<QLineEdit*>(child); box && box != widget) {
                widget->stackUnder(box);
                break;
            }
        }
    }
}

void TForm::Show()
{
    QWidget* w = native_->widget;
    if (!native_->shownOnce) {
        native_->shownOnce = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect g = screen->geometry();
            const TSize at = CentredPosition({g.width(), g.height()}, outer_);
            w->move(g.x() + at.Width, g.y() + at.Height);
        }
        // The first box of the tab order takes the focus on activation.
        if (const std::vector<TEdit*> boxes = BoxesInTabOrder(); !boxes.empty())
            boxes.front()->native().widget->setFocus(Qt::ActiveWindowFocusReason);
    }
    w->show();
}

void TForm::Close() { native_->widget->close(); }
bool TForm::Visible() const { return native_->widget->isVisible(); }
