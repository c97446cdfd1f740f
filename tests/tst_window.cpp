// The main window as a whole: caption, title, held size, centring, icon, the
// focus at start and closing.
#include <QIcon>
#include <QTest>
#include <QWindow>

#include "FormFixture.h"
#include "toolkit/Application.h"

class tst_Window : public QObject {
    Q_OBJECT
private slots:
    void centredPosition_data();
    void centredPosition();
    void captionAndTitle();
    void sizeIsHeld();
    void iconHasEverySize();
    void firstActivationFocusesEdit2WithTextSelected();
    void tabFromEdit2ReachesEdit1ThenA1();
    void reactivationKeepsCaretWithoutSelecting();
    void closingAsksNothing();
};

void tst_Window::centredPosition_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("1024 x 768") << QSize(1024, 768) << QPoint(104, 11);
    QTest::newRow("1920 x 1080") << QSize(1920, 1080) << QPoint(552, 167);
    QTest::newRow("odd margins truncate") << QSize(1025, 770) << QPoint(104, 12);
    QTest::newRow("exactly the window's size") << QSize(816, 745) << QPoint(0, 0);
    QTest::newRow("narrower than the window") << QSize(800, 1080) << QPoint(0, 167);
    QTest::newRow("lower than the window") << QSize(1920, 600) << QPoint(552, 0);
    QTest::newRow("smaller both ways") << QSize(640, 480) << QPoint(0, 0);
}

void tst_Window::centredPosition()
{
    QFETCH(QSize, screen);
    QFETCH(QPoint, topLeft);
    const TSize at = TForm::CentredPosition({screen.width(), screen.height()}, {816, 745});
    QCOMPARE(QPoint(at.Width, at.Height), topLeft);
}

void tst_Window::captionAndTitle()
{
    Application->SetTitle(u"Pelomar");
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Pelomar"));
    FormFixture f;
    const QString caption = f.window()->windowTitle();
    QCOMPARE(caption, QStringLiteral("Brasmo - Pelomar - " PELOMAR_CONTACT));
    const QStringList pieces = caption.split(QStringLiteral(" - "));
    QCOMPARE(pieces.size(), 3);
    QVERIFY(pieces.at(2).contains(QLatin1Char('@')));
    // Qt would append a display name to the caption on the desktop.
    QCOMPARE(f.window()->windowHandle()->title(), caption);
}

void tst_Window::sizeIsHeld()
{
    FormFixture f;
    QCOMPARE(f.form->OuterSize(), (TSize{816, 745}));
    QCOMPARE(f.window()->size(), QSize(808, 711));
    f.window()->resize(1000, 900);
    QCOMPARE(f.window()->size(), QSize(808, 711));
    f.window()->resize(300, 200);
    QCOMPARE(f.window()->size(), QSize(808, 711));
    QCOMPARE(f.window()->minimumSize(), f.window()->maximumSize());
    // The picture control still fills the client area.
    QCOMPARE(f.widget(QStringLiteral("Image1"))->geometry(), QRect(0, 0, 808, 711));
}

void tst_Window::iconHasEverySize()
{
    FormFixture f;
    const QList<QSize> sizes = f.window()->windowIcon().availableSizes();
    for (int s : {16, 24, 32, 48, 256})
        QVERIFY2(sizes.contains(QSize(s, s)), qPrintable(QString::number(s)));
}

void tst_Window::firstActivationFocusesEdit2WithTextSelected()
{
    auto form = std::make_unique<TForm1>();
    form->Edit2->SetText(u"Jan");
    form->Show();
    QWidget* w = form->native().widget;
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
    auto* edit2 = w->findChild<QLineEdit*>(QStringLiteral("Edit2"));
    QCOMPARE(QApplication::focusWidget(), edit2);
    QCOMPARE(edit2->selectedText(), QStringLiteral("Jan"));
}

void tst_Window::tabFromEdit2ReachesEdit1ThenA1()
{
    FormFixture f;
    QCOMPARE(QApplication::focusWidget(), f.edit(QStringLiteral("Edit2")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.edit(QStringLiteral("Edit1")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.edit(QStringLiteral("a1")));
}

void tst_Window::reactivationKeepsCaretWithoutSelecting()
{
    FormFixture f;
    QLineEdit* edit1 = f.edit(QStringLiteral("Edit1"));
    edit1->setText(QStringLiteral("Marie"));
    QTest::mouseClick(edit1, Qt::LeftButton, {}, QPoint(3, edit1->height() / 2));
    QCOMPARE(QApplication::focusWidget(), edit1);
    QVERIFY(!edit1->hasSelectedText());

    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QApplication::setActiveWindow(f.window());
    QVERIFY(QTest::qWaitForWindowActive(f.window()));
    QCOMPARE(QApplication::focusWidget(), edit1);
    QVERIFY(!edit1->hasSelectedText());
}

void tst_Window::closingAsksNothing()
{
    FormFixture f;
    f.edit(QStringLiteral("a1"))->setText(QStringLiteral("A"));
    f.form->Close();
    QVERIFY(!f.form->Visible());
    for (QWidget* top : QApplication::topLevelWidgets())
        QVERIFY2(!top->isVisible(), qPrintable(top->metaObject()->className()));
}

QTEST_MAIN(tst_Window)
#include "tst_window.moc"
