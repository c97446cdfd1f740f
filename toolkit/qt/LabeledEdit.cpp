#include <QEvent>
#include <QObject>

#include "../LabeledEdit.h"
#include "Native.h"

namespace {
// Keeps a caption above its box whenever the box is moved or resized.
class CaptionFollower : public QObject {
public:
    CaptionFollower(QWidget* box, TLabel& caption) : QObject(box), caption_(caption)
    {
        box->installEventFilter(this);
    }

    static void place(QWidget* box, TLabel& caption)
    {
        caption.PlaceAbove(box->x(), box->y() - TLabeledEdit::kCaptionGap);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
            place(static_cast<QWidget*>(watched), caption_);
        return false;
    }

private:
    TLabel& caption_;
};
}  // namespace

TLabeledEdit::TLabeledEdit(TForm& owner, const TEditProps& props, const String& caption)
    : TEdit(owner, props),
      label_(owner.Create<TLabel>(TLabelProps{props.Name + u"Label", props.Left, props.Top, caption,
                                             owner.Font()}))
{
    QWidget* box = native().widget;
    CaptionFollower::place(box, *label_);
    new CaptionFollower(box, *label_);
}
