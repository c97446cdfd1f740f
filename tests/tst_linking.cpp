// The allele cells and their linking, driven through the real text boxes with
// key and mouse events.
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

#include "FormFixture.h"

namespace {

const QString kStartParent;              // positions 1 and 2
const QString kStartChild = QStringLiteral("?");  // positions 3 and 4

QString cell(char row, int position)
{
    return QString(QLatin1Char(row)) + QString::number(position);
}

// Every cell of the row reads `text`.
void expectRow(const FormFixture& f, char row, const QString& text)
{
    for (int p = 1; p <= 4; ++p)
        QCOMPARE(f.edit(cell(row, p))->text(), text);
}

void expectStartState(const FormFixture& f, char row)
{
    for (int p = 1; p <= 4; ++p)
        QCOMPARE(f.edit(cell(row, p))->text(), p <= 2 ? kStartParent : kStartChild);
}

// Enters the box as Tab would, so that its whole text is selected.
void enterByKeyboard(QLineEdit* box)
{
    if (box->hasFocus())
        box->clearFocus();
    box->setFocus(Qt::TabFocusReason);
    QVERIFY(box->hasFocus());
}

// A background point of the picture, clear of every control and shape.
const QPoint kBackground(20, 300);

}  // namespace

class tst_Linking : public QObject {
    Q_OBJECT
private slots:
    void startState();
    void typingFillsTheRow_data();
    void typingFillsTheRow();
    void oneChangeStaysWithinBounds_data();
    void oneChangeStaysWithinBounds();
    void textIsCopiedExactly_data();
    void textIsCopiedExactly();
    void deletingTheWholeTextEmptiesTheRow();
    void sameLetterOverSelectionChangesNothing();
    void pastingTwoLettersIsOneChange();
    void tabbingIntoAChildSelectsTheQuestionMark();
    void editingInsideATextKeepsCaretAndUndo();
    void clearingEmptiesEveryCell_data();
    void clearingEmptiesEveryCell();
    void clearingEmptyCellsRunsNoHandler();
    void rightDoubleClickDoesNothing();
    void crossSignReappliesA1_data();
    void crossSignReappliesA1();
    void extremeTextsAreCopiedExactly_data();
    void extremeTextsAreCopiedExactly();
};

void tst_Linking::startState()
{
    FormFixture f;
    for (char row : {'a', 'b', 'c', 'd'})
        expectStartState(f, row);
    QCOMPARE(f.edit(QStringLiteral("Edit1"))->text(), QString());
    QCOMPARE(f.edit(QStringLiteral("Edit2"))->text(), QString());
}

void tst_Linking::typingFillsTheRow_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::newRow("typing into a parent cell fills its row") << "a1" << "A";
    QTest::newRow("typing into a gamete cell fills its row") << "d2" << "d";
    QTest::newRow("typing into a child cell fills its row") << "c3" << "x";
    QTest::newRow("typing into the other child cell fills its row") << "b4" << "Bb";
}

void tst_Linking::typingFillsTheRow()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    FormFixture f;
    enterByKeyboard(f.edit(box));
    QTest::keyClicks(f.edit(box), typed);

    const char row = box.at(0).toLatin1();
    expectRow(f, row, typed);
    for (char other : {'a', 'b', 'c', 'd'})
        if (other != row)
            expectStartState(f, other);
}

void tst_Linking::oneChangeStaysWithinBounds_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("rowEditedBefore");
    for (const char* name : kCellNames) {
        QTest::addRow("%s from the start state", name) << QString::fromLatin1(name) << false;
        QTest::addRow("%s in a linked row", name) << QString::fromLatin1(name) << true;
    }
}

// One keystroke: at most four handlers, nested at most four deep, at most
// three other cells changed (each once), and no other row touched.
void tst_Linking::oneChangeStaysWithinBounds()
{
    QFETCH(QString, box);
    QFETCH(bool, rowEditedBefore);
    FormFixture f;
    const char row = box.at(0).toLatin1();
    if (rowEditedBefore) {
        enterByKeyboard(f.edit(cell(row, 1)));
        QTest::keyClicks(f.edit(cell(row, 1)), QStringLiteral("q"));
        expectRow(f, row, QStringLiteral("q"));
    }
    enterByKeyboard(f.edit(box));
    const auto before = f.texts();
    std::map<QString, std::unique_ptr<QSignalSpy>> spies;
    for (const char* name : kCellNames)
        spies[QString::fromLatin1(name)] =
            std::make_unique<QSignalSpy>(f.edit(QString::fromLatin1(name)), &QLineEdit::textChanged);
    f.resetCounts();

    QTest::keyClicks(f.edit(box), QStringLiteral("Z"));

    QCOMPARE(f.runs, 4);
    QVERIFY(f.maxDepth <= 4);
    QCOMPARE(f.ran.front(), box);
    for (const auto& [name, spy] : spies) {
        if (name.at(0).toLatin1() == row) {
            QCOMPARE(spy->count(), 1);
            QCOMPARE(f.edit(name)->text(), QStringLiteral("Z"));
        } else {
            QCOMPARE(spy->count(), 0);
            QCOMPARE(f.edit(name)->text(), before.at(name));
        }
    }
}

void tst_Linking::textIsCopiedExactly_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("leading and trailing spaces, capital and small") << " Aa ";
    QTest::newRow("punctuation") << "A-a, b.!?";
    QTest::newRow("capital stays capital") << "AA";
    QTest::newRow("a text much longer than the box")
        << QStringLiteral("Xy").repeated(60) + QStringLiteral(" end");
}

void tst_Linking::textIsCopiedExactly()
{
    QFETCH(QString, typed);
    FormFixture f;
    enterByKeyboard(f.edit(QStringLiteral("b2")));
    QTest::keyClicks(f.edit(QStringLiteral("b2")), typed);
    expectRow(f, 'b', typed);
}

void tst_Linking::deletingTheWholeTextEmptiesTheRow()
{
    FormFixture f;
    QLineEdit* a2 = f.edit(QStringLiteral("a2"));
    enterByKeyboard(a2);
    QTest::keyClicks(a2, QStringLiteral("Aa"));
    expectRow(f, 'a', QStringLiteral("Aa"));

    enterByKeyboard(a2);
    QCOMPARE(a2->selectedText(), QStringLiteral("Aa"));
    QTest::keyClick(a2, Qt::Key_Delete);
    expectRow(f, 'a', QString());
}

void tst_Linking::sameLetterOverSelectionChangesNothing()
{
    FormFixture f;
    QLineEdit* b3 = f.edit(QStringLiteral("b3"));
    enterByKeyboard(b3);
    QTest::keyClicks(b3, QStringLiteral("B"));
    expectRow(f, 'b', QStringLiteral("B"));

    std::vector<std::unique_ptr<QSignalSpy>> others;
    for (int p : {1, 2, 4})
        others.push_back(std::make_unique<QSignalSpy>(f.edit(cell('b', p)), &QLineEdit::textChanged));
    enterByKeyboard(b3);
    QTest::keyClicks(b3, QStringLiteral("B"));
    expectRow(f, 'b', QStringLiteral("B"));
    for (const auto& spy : others)
        QCOMPARE(spy->count(), 0);
}

void tst_Linking::pastingTwoLettersIsOneChange()
{
    FormFixture f;
    QLineEdit* a1 = f.edit(QStringLiteral("a1"));
    QApplication::clipboard()->setText(QStringLiteral("Bb"));
    enterByKeyboard(a1);
    QSignalSpy changes(a1, &QLineEdit::textChanged);
    f.resetCounts();
    QTest::keyClick(a1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(f.runs, 4);
    expectRow(f, 'a', QStringLiteral("Bb"));
}

void tst_Linking::tabbingIntoAChildSelectsTheQuestionMark()
{
    FormFixture f;
    QLineEdit* a3 = f.edit(QStringLiteral("a3"));
    enterByKeyboard(a3);
    QCOMPARE(a3->selectedText(), QStringLiteral("?"));
    QTest::keyClicks(a3, QStringLiteral("a"));
    expectRow(f, 'a', QStringLiteral("a"));
}

// Typing inside a text must leave the caret after the new letter, and undo
// must restore the text and spread to the row like any change.
void tst_Linking::editingInsideATextKeepsCaretAndUndo()
{
    FormFixture f;
    QLineEdit* c1 = f.edit(QStringLiteral("c1"));
    enterByKeyboard(c1);
    QTest::keyClicks(c1, QStringLiteral("1234"));
    c1->setCursorPosition(2);
    QTest::keyClicks(c1, QStringLiteral("X"));
    QCOMPARE(c1->text(), QStringLiteral("12X34"));
    QCOMPARE(c1->cursorPosition(), 3);
    expectRow(f, 'c', QStringLiteral("12X34"));

    QTest::keyClick(c1, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(c1->text(), QStringLiteral("1234"));
    expectRow(f, 'c', QStringLiteral("1234"));
}

void tst_Linking::clearingEmptiesEveryCell_data()
{
    QTest::addColumn<bool>("withNames");
    QTest::addColumn<bool>("withAlleles");
    QTest::newRow("from the start state") << false << false;
    QTest::newRow("with names in the free fields") << true << false;
    QTest::newRow("with every row filled in") << true << true;
}

void tst_Linking::clearingEmptiesEveryCell()
{
    QFETCH(bool, withNames);
    QFETCH(bool, withAlleles);
    FormFixture f;
    if (withNames) {
        enterByKeyboard(f.edit(QStringLiteral("Edit2")));
        QTest::keyClicks(f.edit(QStringLiteral("Edit2")), QStringLiteral("Jan"));
        enterByKeyboard(f.edit(QStringLiteral("Edit1")));
        QTest::keyClicks(f.edit(QStringLiteral("Edit1")), QStringLiteral("Marie"));
    }
    if (withAlleles) {
        for (const char* parent : {"a1", "b1", "c1", "d1"}) {
            enterByKeyboard(f.edit(QString::fromLatin1(parent)));
            QTest::keyClicks(f.edit(QString::fromLatin1(parent)), QStringLiteral("Rr"));
        }
    }
    QWidget* focused = QApplication::focusWidget();

    QTest::mouseDClick(f.widget(QStringLiteral("Image1")), Qt::LeftButton, {}, kBackground);

    for (const auto& [name, text] : f.texts())
        QVERIFY2(text.isEmpty(), qPrintable(name + QStringLiteral(" = ") + text));
    QCOMPARE(f.edit(QStringLiteral("Edit2"))->text(), withNames ? QStringLiteral("Jan") : QString());
    QCOMPARE(f.edit(QStringLiteral("Edit1"))->text(), withNames ? QStringLiteral("Marie") : QString());
    QCOMPARE(QApplication::focusWidget(), focused);
}

void tst_Linking::clearingEmptyCellsRunsNoHandler()
{
    FormFixture f;
    QWidget* image = f.widget(QStringLiteral("Image1"));
    QTest::mouseDClick(image, Qt::LeftButton, {}, kBackground);
    f.resetCounts();
    QTest::mouseDClick(image, Qt::LeftButton, {}, kBackground);
    QCOMPARE(f.runs, 0);
    for (const auto& [name, text] : f.texts())
        QVERIFY(text.isEmpty());
}

void tst_Linking::rightDoubleClickDoesNothing()
{
    FormFixture f;
    const auto before = f.texts();
    QTest::mouseDClick(f.widget(QStringLiteral("Image1")), Qt::RightButton, {}, kBackground);
    QTest::mouseDClick(f.widget(QStringLiteral("vrouw")), Qt::RightButton, {}, QPoint(5, 5));
    QCOMPARE(f.texts(), before);
    QCOMPARE(f.runs, 0);
}

void tst_Linking::crossSignReappliesA1_data()
{
    QTest::addColumn<QString>("rowA");  // empty: the start state
    QTest::newRow("at start it empties a3 and a4") << QString();
    QTest::newRow("after an edit of row a it changes nothing") << QStringLiteral("Aa");
}

void tst_Linking::crossSignReappliesA1()
{
    QFETCH(QString, rowA);
    FormFixture f;
    if (!rowA.isEmpty()) {
        enterByKeyboard(f.edit(QStringLiteral("a4")));
        QTest::keyClicks(f.edit(QStringLiteral("a4")), rowA);
    }
    auto expected = f.texts();
    expected[QStringLiteral("a3")] = rowA;
    expected[QStringLiteral("a4")] = rowA;

    QTest::mouseDClick(f.widget(QStringLiteral("vrouw")), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(f.texts(), expected);
}

void tst_Linking::extremeTextsAreCopiedExactly_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<bool>("keptAsIs");  // false: the box stores its own form of it
    QString huge;
    huge.reserve(100000);
    for (int i = 0; i < 100000; ++i)
        huge += QChar(u'A' + i % 26);
    QTest::newRow("a 100,000-character paste") << huge << true;
    QTest::newRow("emoji, with a joiner sequence") << QStringLiteral("\U0001F9EC Aa \U0001F469\u200D\U0001F52C") << true;
    QTest::newRow("combining characters") << QStringLiteral("e\u0301 A\u030A a\u0308\u0323") << true;
    QTest::newRow("right-to-left text") << QStringLiteral("\u05D0\u05D1 \u0639\u0631\u0628\u064A A") << true;
    QTest::newRow("tabs and other control characters") << QStringLiteral("A\tb\u0001\u0007\u001B\u007F") << true;
    QTest::newRow("a lone surrogate") << QString(QChar(0xD800)) + QStringLiteral("x") << true;
    QTest::newRow("line breaks") << QStringLiteral("A\nb\r\nC") << false;
}

void tst_Linking::extremeTextsAreCopiedExactly()
{
    QFETCH(QString, pasted);
    QFETCH(bool, keptAsIs);
    FormFixture f;
    QLineEdit* d3 = f.edit(QStringLiteral("d3"));
    QApplication::clipboard()->setText(pasted);
    enterByKeyboard(d3);
    QTest::keyClick(d3, Qt::Key_V, Qt::ControlModifier);
    const QString stored = d3->text();
    QVERIFY(!stored.isEmpty());
    if (keptAsIs)
        QCOMPARE(stored, pasted);
    expectRow(f, 'd', stored);
    expectStartState(f, 'c');
    d3->repaint();  // laying the text out must not hang or crash either
}

QTEST_MAIN(tst_Linking)
#include "tst_linking.moc"
