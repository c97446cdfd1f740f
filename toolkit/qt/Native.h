// The Qt widgets behind the layer's controls. Only the layer's Qt
// implementation and the tests that look at real widgets include this.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLineEdit>
#include <QMargins>
#include <QString>
#include <QWidget>

#include "../Bitmap.h"
#include "../Control.h"
#include "../Edit.h"
#include "../Form.h"
#include "../Image.h"
#include "../Label.h"

namespace qtk {

inline QString toQ(const String& s) { return QString::fromStdU16String(s); }
inline String fromQ(const QString& s) { return s.toStdU16String(); }

QColor toQColor(TColor color);
// Registers the font faces the layer maps its font names to; idempotent.
void ensureFonts();
// Any: the font falls back to other faces for glyphs it lacks, as a box
// whose text the user types needs. OwnFace: the face alone, for texts the
// program itself shows.
enum class Glyphs { Any, OwnFace };
QFont toQFont(const TFont& font, Glyphs glyphs = Glyphs::Any);
// The height a line of this font takes, from which boxes and static texts are sized.
int lineHeight(const QFont& font);

class FormWidget;

class EditWidget : public QLineEdit {
    Q_OBJECT
public:
    EditWidget(QWidget* parent, TBorderStyle border);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    TBorderStyle border_;
};

class LabelWidget : public QWidget {
    Q_OBJECT
public:
    LabelWidget(QWidget* parent, TLabel& label, QString text, const QFont& font, QColor color);
    const QString& text() const { return text_; }
    QColor color() const { return color_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    TLabel& label_;
    QString text_;
    QColor color_;
};

class ImageWidget : public QWidget {
    Q_OBJECT
public:
    ImageWidget(QWidget* parent, TImage& image);
    void setPicture(TSize size, TDrawProc draw);
    const TBitmap& picture() const { return picture_; }
    QPoint pictureOrigin() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void redrawIfDensityChanged();

    TImage& image_;
    TSize size_;
    TDrawProc draw_;
    TBitmap picture_;
};

class FormWidget : public QWidget {
    Q_OBJECT
public:
    explicit FormWidget(TForm& form);
    TForm& form() const { return form_; }

    // Whether a box of this form has held the focus yet: the first box to get
    // it on activation selects its text, later activations leave it alone.
    bool focusedOnce = false;
    // The frame the client size was last derived from.
    TFrame frame() const { return frame_; }
    void holdSize();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TFrame currentFrame() const;

    TForm& form_;
    TFrame frame_ = TForm::kReferenceFrame;
};

}  // namespace qtk

struct TControl::Native {
    QWidget* widget = nullptr;
};

struct TForm::Native {
    qtk::FormWidget* widget = nullptr;
    bool shownOnce = false;
};

struct TBitmap::Native {
    QImage image;
    TSize logical;
    double scale = 1.0;
};
