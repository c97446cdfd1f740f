// What stands where: every control of the table against the window actually
// built, captions, the height rule, stacking, tab order, selection on entry,
// double-click routing and sideways scrolling. Runs at scale factor 1 and 2.
#include <QAccessible>
#include <QFontInfo>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include "FormFixture.h"
#include "diagram/Layout.h"
#include "diagram/Picture.h"

namespace {

QString q(std::u16string_view s) { return QString::fromStdU16String(std::u16string(s)); }

// The line height of a font as the window really gets it.
int lineHeightOf(const TFont& font) { return qtk::lineHeight(qtk::toQFont(font)); }

const QStringList kTabOrder = {
    QStringLiteral("Edit2"), QStringLiteral("Edit1"), QStringLiteral("a1"), QStringLiteral("b1"),
    QStringLiteral("c1"),    QStringLiteral("d1"),    QStringLiteral("c2"), QStringLiteral("d2"),
    QStringLiteral("b2"),    QStringLiteral("c3"),    QStringLiteral("b3"), QStringLiteral("d3"),
    QStringLiteral("b4"),    QStringLiteral("a2"),    QStringLiteral("c4"), QStringLiteral("a3"),
    QStringLiteral("d4"),    QStringLiteral("a4")};

// A real double-click through the window, routed as the platform routes it.
void doubleClickAt(QWidget* window, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseDClick(window->windowHandle(), button, {}, at);
}

}  // namespace

class tst_Layout : public QObject {
    Q_OBJECT
private slots:
    void everyControlAsInTheTable_data();
    void everyControlAsInTheTable();
    void substituteFacesGiveTheDesignedSizes_data();
    void substituteFacesGiveTheDesignedSizes();
    void captionsSitAboveTheirBoxes_data();
    void captionsSitAboveTheirBoxes();
    void heightRuleFollowsASubstitutedFace();
    void boxesLieAboveEveryStaticText();
    void tabOrderRunsInReadingOrder();
    void backtabRunsBackwards();
    void tabSelectsAClickPlacesTheCaret();
    void doubleClickRouting_data();
    void doubleClickRouting();
    void longTextScrollsInsideTheBox();
    void boxesSitBesideTheirCircles();
    void pictureIsFramedByButtonFaceStrips();
};

void tst_Layout::everyControlAsInTheTable_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < layout::kControlCount; ++i)
        QTest::newRow(q(layout::kControls[static_cast<std::size_t>(i)].name).toLatin1()) << i;
}

// Left, top and the width of every box exactly as the table gives them; the
// heights and static-text sizes as the sizing rules give them for the face
// this machine really uses; font, colour, start text and tab index.
void tst_Layout::everyControlAsInTheTable()
{
    QFETCH(int, index);
    const layout::Control& row = layout::kControls[static_cast<std::size_t>(index)];
    FormFixture f;
    QWidget* w = f.widget(q(row.name));
    QVERIFY(w);
    const QRect g = w->geometry();
    QCOMPARE(g.topLeft(), QPoint(row.rect.Left, row.rect.Top));
    const TFont font = layout::FontFor(row.font, row.colour);

    switch (row.kind) {
    case layout::Kind::Picture:
        QCOMPARE(g.size(), QSize(row.rect.Width, row.rect.Height));
        QCOMPARE(w->focusPolicy(), Qt::NoFocus);
        return;
    case layout::Kind::StaticText: {
        const TSize extent = TLabel::TextExtent(String(row.text), font);
        QCOMPARE(g.size(), QSize(extent.Width, extent.Height));
        auto* label = qobject_cast<qtk::LabelWidget*>(w);
        QCOMPARE(label->text(), q(row.text));
        QCOMPARE(label->color(), qtk::toQColor(row.colour));
        QCOMPARE(QFontInfo(label->font()).pixelSize(), font.Height);
        QVERIFY(QFontInfo(label->font()).bold());
        QCOMPARE(w->focusPolicy(), Qt::NoFocus);
        return;
    }
    default:
        break;
    }

    auto* box = qobject_cast<QLineEdit*>(w);
    QVERIFY(box);
    const int border = row.kind == layout::Kind::FlatBox ? 6 : 8;
    QCOMPARE(g.size(), QSize(row.rect.Width, lineHeightOf(font) + border));
    QCOMPARE(box->text(), q(row.text));
    QCOMPARE(box->palette().color(QPalette::Text), qtk::toQColor(row.colour));
    QCOMPARE(box->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(QFontInfo(box->font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(QFontInfo(box->font()).pixelSize(), font.Height);
    QVERIFY(QFontInfo(box->font()).bold());
    QCOMPARE(kTabOrder.indexOf(q(row.name)), row.tab);
    QVERIFY(!box->isReadOnly());
    QCOMPARE(box->echoMode(), QLineEdit::Normal);
    // What a screen reader reads, in Dutch, saying where the box stands.
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(box);
    QVERIFY(reader);
    QCOMPARE(reader->text(QAccessible::Name), q(row.accessibleName));
    QCOMPARE(reader->text(QAccessible::Description), q(row.description));
    QVERIFY(!reader->text(QAccessible::Name).isEmpty());
    QVERIFY(!reader->text(QAccessible::Description).isEmpty());
}

void tst_Layout::substituteFacesGiveTheDesignedSizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("designed");
    // Where Liberation Sans and Wine's Tahoma meet the designed sizes exactly.
    QTest::newRow("a cell box") << "a1" << QSize(35, 30);
    QTest::newRow("a child cell box") << "d4" << QSize(33, 30);
    QTest::newRow("Man") << "Man" << QSize(42, 24);
    QTest::newRow("Vrouw, one wider than designed") << "Label8" << QSize(63, 24);
    QTest::newRow("the number 1") << "Label7" << QSize(9, 18);
    QTest::newRow("the cross sign") << "vrouw" << QSize(23, 40);
    QTest::newRow("a free text field") << "Edit2" << QSize(121, 24);
    QTest::newRow("caption a1") << "a1Label" << QSize(12, 11);
    QTest::newRow("caption c1") << "c1Label" << QSize(11, 11);
}

// Pins the sizes the substitute faces give here, so that a change of face or
// font mapping shows up; the note on the layout lists how far each is from
// the design.
void tst_Layout::substituteFacesGiveTheDesignedSizes()
{
    QFETCH(QString, name);
    QFETCH(QSize, designed);
    FormFixture f;
    QCOMPARE(f.widget(name)->size(), designed);
}

void tst_Layout::captionsSitAboveTheirBoxes_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < layout::kCaptionCount; ++i)
        QTest::newRow(q(layout::kCaptions[static_cast<std::size_t>(i)].box).toLatin1()) << i;
}

void tst_Layout::captionsSitAboveTheirBoxes()
{
    QFETCH(int, index);
    const layout::Caption& c = layout::kCaptions[static_cast<std::size_t>(index)];
    FormFixture f;
    QWidget* box = f.widget(q(c.box));
    auto* caption = qobject_cast<qtk::LabelWidget*>(f.widget(q(c.box) + QStringLiteral("Label")));
    QVERIFY(caption);
    QCOMPARE(caption->text(), q(c.text));
    QCOMPARE(caption->x(), box->x());
    QCOMPARE(caption->y() + caption->height() + TLabeledEdit::kCaptionGap, box->y());
    const TSize extent = TLabel::TextExtent(String(c.text), layout::WindowFont());
    QCOMPARE(caption->size(), QSize(extent.Width, extent.Height));
    QCOMPARE(QFontInfo(caption->font()).family(), QStringLiteral("Tahoma"));

    // The caption moves with its box.
    box->move(box->x() + 7, box->y() + 9);
    QCOMPARE(caption->x(), box->x());
    QCOMPARE(caption->y() + caption->height() + TLabeledEdit::kCaptionGap, box->y());
}

void tst_Layout::heightRuleFollowsASubstitutedFace()
{
    TForm form;
    const TFont missing{u"No Such Face Pelomar", 11, false, clWindowText};
    form.SetFont(missing);
    const TFont cellFont{u"No Such Face Pelomar", 19, true, layout::kRowA};
    TEditProps props;
    props.Name = u"x1";
    props.Left = 50;
    props.Top = 100;
    props.Width = 35;
    props.Font = cellFont;
    auto* box = form.Create<TLabeledEdit>(props, u"x1");
    QVERIFY(QFontInfo(qtk::toQFont(cellFont)).family() != QStringLiteral("No Such Face Pelomar"));
    const TRect r = box->BoundsRect();
    QCOMPARE(r.Left, 50);
    QCOMPARE(r.Top, 100);
    QCOMPARE(r.Width, 35);
    QCOMPARE(r.Height, lineHeightOf(cellFont) + 8);
    const TRect caption = box->EditLabel().BoundsRect();
    QCOMPARE(caption.Height, lineHeightOf(missing));
    QCOMPARE(caption.Bottom() + TLabeledEdit::kCaptionGap, r.Top);
    QCOMPARE(caption.Left, r.Left);
}

// From the bottom: the picture, the static texts in table order, the
// captions, then every text box.
void tst_Layout::boxesLieAboveEveryStaticText()
{
    FormFixture f;
    QStringList stack;
    for (QObject* child : f.window()->children())
        if (auto* w = qobject_cast<QWidget*>(child))
            stack << w->objectName();
    QCOMPARE(stack.first(), QStringLiteral("Image1"));
    const QStringList labels = {QStringLiteral("Man"),    QStringLiteral("Label4"), QStringLiteral("Label5"),
                                QStringLiteral("Label6"), QStringLiteral("Label7"), QStringLiteral("vrouw"),
                                QStringLiteral("Label8"), QStringLiteral("c2Label"), QStringLiteral("d2Label"),
                                QStringLiteral("b2Label"), QStringLiteral("a2Label"), QStringLiteral("c1Label"),
                                QStringLiteral("d1Label"), QStringLiteral("b1Label"), QStringLiteral("a1Label")};
    QCOMPARE(stack.mid(1, labels.size()), labels);
    for (const QString& box : kTabOrder)
        QVERIFY(stack.indexOf(box) > labels.size());
}

void tst_Layout::tabOrderRunsInReadingOrder()
{
    FormFixture f;
    QStringList seen;
    for (int i = 0; i <= kTabOrder.size(); ++i) {
        seen << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(seen, kTabOrder + QStringList{QStringLiteral("Edit2")});
}

void tst_Layout::backtabRunsBackwards()
{
    FormFixture f;
    QStringList seen;
    for (int i = 0; i <= kTabOrder.size(); ++i) {
        seen << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    }
    QStringList expected{QStringLiteral("Edit2")};
    for (auto it = kTabOrder.crbegin(); it != kTabOrder.crend(); ++it)
        expected << *it;
    QCOMPARE(seen, expected);
}

void tst_Layout::tabSelectsAClickPlacesTheCaret()
{
    FormFixture f;
    // Tab from b3 reaches d3, which holds "?".
    QLineEdit* b3 = f.edit(QStringLiteral("b3"));
    b3->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(b3, Qt::Key_Tab);
    QLineEdit* d3 = f.edit(QStringLiteral("d3"));
    QCOMPARE(QApplication::focusWidget(), d3);
    QCOMPARE(d3->selectedText(), QStringLiteral("?"));

    QLineEdit* c1 = f.edit(QStringLiteral("c1"));
    c1->setText(QStringLiteral("Aabb"));
    QTest::mouseClick(c1, Qt::LeftButton, {}, QPoint(c1->width() - 3, c1->height() / 2));
    QCOMPARE(QApplication::focusWidget(), c1);
    QVERIFY(!c1->hasSelectedText());
    QVERIFY(c1->cursorPosition() > 0);
}

void tst_Layout::doubleClickRouting_data()
{
    QTest::addColumn<QString>("onto");  // a control, or empty for a bare point
    QTest::addColumn<QPoint>("at");     // client point, used when `onto` is empty
    QTest::addColumn<bool>("clears");
    for (const char* label : {"Man", "Label8", "Label4", "Label5", "Label6", "Label7"})
        QTest::addRow("on the static text %s nothing happens", label)
            << QString::fromLatin1(label) << QPoint() << false;
    for (const char* box : {"a1", "b1", "c1", "d1", "a2", "b2", "c2", "d2"})
        QTest::addRow("on the caption of %s nothing happens", box)
            << QString::fromLatin1(box) + QStringLiteral("Label") << QPoint() << false;
    QTest::newRow("on the left margin strip it clears") << QString() << QPoint(1, 300) << true;
    QTest::newRow("on the right margin strip it clears") << QString() << QPoint(806, 300) << true;
    QTest::newRow("on the top margin strip it clears") << QString() << QPoint(400, 0) << true;
    QTest::newRow("on the bottom margin strip it clears") << QString() << QPoint(400, 710) << true;
    QTest::newRow("on a circle of the picture it clears") << QString() << QPoint(197, 438) << true;
}

void tst_Layout::doubleClickRouting()
{
    QFETCH(QString, onto);
    QFETCH(QPoint, at);
    QFETCH(bool, clears);
    FormFixture f;
    const QPoint point = onto.isEmpty() ? at : f.widget(onto)->geometry().center();
    const auto before = f.texts();
    QWidget* focused = QApplication::focusWidget();
    doubleClickAt(f.window(), point);
    if (clears) {
        for (const auto& [name, text] : f.texts())
            QVERIFY2(text.isEmpty(), qPrintable(name));
    } else {
        QCOMPARE(f.texts(), before);
        QCOMPARE(f.runs, 0);
        // A caption does not hand the focus to its box.
        QCOMPARE(QApplication::focusWidget(), focused);
    }
}

void tst_Layout::longTextScrollsInsideTheBox()
{
    FormFixture f;
    QLineEdit* c3 = f.edit(QStringLiteral("c3"));
    const QRect before = c3->geometry();
    const QRect neighbour = f.widget(QStringLiteral("b3"))->geometry();
    c3->setFocus(Qt::TabFocusReason);
    const QString typed = QStringLiteral("Mmmmmmmmmmmmmmmmmmmm");
    QTest::keyClicks(c3, typed);
    QCOMPARE(c3->text(), typed);
    QCOMPARE(c3->geometry(), before);
    QCOMPARE(f.widget(QStringLiteral("b3"))->geometry(), neighbour);
    // The caret at the end of the text is still inside the box.
    c3->repaint();  // QLineEdit scrolls its text when it paints
    QVERIFY(c3->rect().contains(c3->inputMethodQuery(Qt::ImCursorRectangle).toRect().center()));
    QCOMPARE(f.edit(QStringLiteral("c1"))->text(), typed);
}

// The picture and the boxes scale together: under every box the grabbed
// window shows the box, and every circle centre shows its fill, at whatever
// device pixel ratio this run has.
void tst_Layout::boxesSitBesideTheirCircles()
{
    FormFixture f;
    const QImage shot = f.window()->grab().toImage();
    const qreal dpr = shot.devicePixelRatio();
    QCOMPARE(dpr, f.window()->devicePixelRatioF());
    QCOMPARE(shot.size(), QSize(808, 711) * dpr);
    const auto at = [&](double x, double y) {
        return QColor(shot.pixel(static_cast<int>(x * dpr), static_cast<int>(y * dpr)));
    };
    for (const picture::Circle& c : picture::kCircles)
        QCOMPARE(at(c.centre.X + 3.5, c.centre.Y + 2.5), qtk::toQColor(c.fill));
    for (const layout::Control& row : layout::kControls) {
        if (row.kind != layout::Kind::Box && row.kind != layout::Kind::CaptionedBox)
            continue;
        // Just inside the box's right edge, below its text.
        const QRect g = f.widget(q(row.name))->geometry();
        QCOMPARE(at(g.right() - 3, g.bottom() - 3), QColor(Qt::white));
        // Just left of the box lies the picture's background.
        QCOMPARE(at(g.left() - 1.5, g.center().y()), qtk::toQColor(picture::kBackground));
    }
}

void tst_Layout::pictureIsFramedByButtonFaceStrips()
{
    FormFixture f;
    const QImage shot = f.window()->grab().toImage();
    const int dpr = static_cast<int>(shot.devicePixelRatio());
    const auto at = [&](int x, int y) { return QColor(shot.pixel(x * dpr, y * dpr)); };
    const QColor face = qtk::toQColor(clBtnFace);
    const QColor background = qtk::toQColor(picture::kBackground);
    QVERIFY(face != background);
    for (int y = 0; y < 711; y += 7) {
        for (int x : {0, 2, 805, 807})
            QCOMPARE(at(x, y), face);
        for (int x : {3, 804})
            QCOMPARE(at(x, y), y < 2 || y > 708 ? face : background);
    }
    for (int x = 0; x < 808; x += 7)
        for (int y : {0, 1, 709, 710})
            QCOMPARE(at(x, y), face);
    QCOMPARE(at(3, 2), background);
    QCOMPARE(at(804, 708), background);
    // Repaints show the same pixels.
    QCOMPARE(f.window()->grab().toImage(), shot);
}

QTEST_MAIN(tst_Layout)
#include "tst_layout.moc"
