// The crash reporter: a handler that throws, in the main thread and in
// another one, and a fatal signal in a separate process.
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <stdexcept>
#include <thread>

#include "FormFixture.h"
#include "toolkit/Application.h"
#include "toolkit/qt/CrashReporter.h"

namespace {

const QStringList kButtons = {QStringLiteral("send bug report"), QStringLiteral("show bug report"),
                              QStringLiteral("continue application"), QStringLiteral("restart application"),
                              QStringLiteral("close application")};

// What the box showed, read while it was up; then "continue application".
struct SeenBox {
    int shown = 0;
    QString message;
    QStringList buttons;
    bool topmost = false;
    QString report;
    bool reportShown = false;
};

void answerWithContinue(SeenBox& seen)
{
    qtk::crash::setBoxHook([&seen](QDialog* box) {
        QTimer::singleShot(0, box, [box, &seen] {
            ++seen.shown;
            seen.message = box->findChild<QLabel*>(QStringLiteral("message"))->text();
            seen.buttons.clear();
            for (auto* b : box->findChildren<QPushButton*>())
                seen.buttons << b->text();
            seen.topmost = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            box->findChild<QPushButton*>(QStringLiteral("show bug report"))->click();
            auto* details = box->findChild<QPlainTextEdit*>(QStringLiteral("report"));
            seen.reportShown = details->isVisible();
            seen.report = details->toPlainText();
            box->findChild<QPushButton*>(QStringLiteral("continue application"))->click();
        });
    });
}

QString reportPath() { return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("bugreport.txt")); }

QString readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

}  // namespace

class tst_Crash : public QObject {
    Q_OBJECT
private slots:
    void init() { QFile::remove(reportPath()); }
    void faultInAHandlerShowsTheBoxAndContinueKeepsEverything();
    void reportsAreAppended();
    void faultInAnotherThreadReachesTheBox();
    void reportFileFallsBackWhereTheFolderIsNotWritable();
    void fatalSignalLeavesAReport();
};

void tst_Crash::faultInAHandlerShowsTheBoxAndContinueKeepsEverything()
{
    SeenBox seen;
    answerWithContinue(seen);
    FormFixture f;
    f.edit(QStringLiteral("Edit2"))->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(f.edit(QStringLiteral("Edit2")), QStringLiteral("Jan"));
    f.edit(QStringLiteral("c2"))->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(f.edit(QStringLiteral("c2")), QStringLiteral("Rr"));
    const auto before = f.texts();
    f.form->vrouw->OnDblClick = [](TObject*) { throw std::runtime_error("test fault in a handler"); };

    QTest::mouseDClick(f.widget(QStringLiteral("vrouw")), Qt::LeftButton, {}, QPoint(5, 5));

    QCOMPARE(seen.shown, 1);
    QCOMPARE(seen.message, QStringLiteral("An error occurred in the application."));
    QCOMPARE(seen.buttons, kButtons);
    QVERIFY(seen.topmost);
    QVERIFY(seen.reportShown);
    QVERIFY(seen.report.contains(QStringLiteral("test fault in a handler")));
    QVERIFY(seen.report.contains(QStringLiteral("vrouw")));  // where
    QVERIFY(seen.report.contains(QStringLiteral("When: ")));
    QVERIFY(seen.report.contains(QStringLiteral("Program: Pelomar " PELOMAR_VERSION)));
    QVERIFY(seen.report.contains(QStringLiteral("Qt: ") + QString::fromLatin1(qVersion())));
    QVERIFY(seen.report.contains(QStringLiteral("System: ")));

    QVERIFY(f.form->Visible());
    QCOMPARE(f.texts(), before);
    QCOMPARE(f.edit(QStringLiteral("Edit2"))->text(), QStringLiteral("Jan"));
    // The window still works.
    QTest::keyClicks(f.edit(QStringLiteral("c2")), QStringLiteral("x"));
    QCOMPARE(f.edit(QStringLiteral("c4"))->text(), QStringLiteral("Rrx"));
    QVERIFY(readAll(reportPath()).contains(QStringLiteral("test fault in a handler")));
}

void tst_Crash::reportsAreAppended()
{
    SeenBox seen;
    answerWithContinue(seen);
    FormFixture f;
    int n = 0;
    f.form->Image1->OnDblClick = [&n](TObject*) { throw std::runtime_error("fault number " + std::to_string(++n)); };
    QTest::mouseDClick(f.widget(QStringLiteral("Image1")), Qt::LeftButton, {}, QPoint(20, 300));
    const QString first = readAll(reportPath());
    QTest::mouseDClick(f.widget(QStringLiteral("Image1")), Qt::LeftButton, {}, QPoint(20, 300));
    const QString both = readAll(reportPath());

    QCOMPARE(seen.shown, 2);
    QVERIFY(both.startsWith(first));
    QCOMPARE(both.count(QStringLiteral("---- bug report ----")), 2);
    QVERIFY(both.contains(QStringLiteral("fault number 1")));
    QVERIFY(both.contains(QStringLiteral("fault number 2")));
}

void tst_Crash::faultInAnotherThreadReachesTheBox()
{
    SeenBox seen;
    answerWithContinue(seen);
    FormFixture f;
    std::thread worker([] { throw std::logic_error("fault in a worker thread"); });
    worker.detach();  // it stays parked after "continue application"
    QTRY_COMPARE_WITH_TIMEOUT(seen.shown, 1, 10000);
    QVERIFY(seen.report.contains(QStringLiteral("fault in a worker thread")));
    QVERIFY(seen.report.contains(QStringLiteral("thread")));
    QVERIFY(f.form->Visible());
    QTRY_VERIFY(readAll(reportPath()).contains(QStringLiteral("fault in a worker thread")));
}

void tst_Crash::reportFileFallsBackWhereTheFolderIsNotWritable()
{
    QTemporaryDir program, data;
    QCOMPARE(qtk::crash::reportFile(program.path(), data.path()), program.filePath(QStringLiteral("bugreport.txt")));
    const QString missing = program.filePath(QStringLiteral("no/such/folder"));
    QCOMPARE(qtk::crash::reportFile(missing, data.path()), data.filePath(QStringLiteral("bugreport.txt")));
    // A read-only file system refuses even root.
    if (::access("/proc/sys", W_OK) != 0 || QFileInfo(QStringLiteral("/proc/sys")).isDir()) {
        const QString roFolder = QStringLiteral("/proc/sys");
        if (::access(QFile::encodeName(roFolder).constData(), W_OK) != 0)
            QCOMPARE(qtk::crash::reportFile(roFolder, data.path()), data.filePath(QStringLiteral("bugreport.txt")));
    }
    QVERIFY(qtk::crash::appendReport(data.filePath(QStringLiteral("r.txt")), QStringLiteral("one")));
    QVERIFY(qtk::crash::appendReport(data.filePath(QStringLiteral("r.txt")), QStringLiteral("two")));
    QCOMPARE(readAll(data.filePath(QStringLiteral("r.txt"))), QStringLiteral("one\ntwo\n"));
}

void tst_Crash::fatalSignalLeavesAReport()
{
    const QString helper = QStringLiteral(PELOMAR_CRASH_HELPER);
    const QString file = QFileInfo(helper).dir().filePath(QStringLiteral("bugreport.txt"));
    QFile::remove(file);
    QProcess p;
    p.start(helper, {});
    QVERIFY(p.waitForFinished(20000));
    QCOMPARE(p.exitStatus(), QProcess::CrashExit);
    const QString report = readAll(file);
    QVERIFY2(report.contains(QStringLiteral("fatal signal SIGSEGV")), qPrintable(report));
    QVERIFY(report.contains(QStringLiteral("Version: " PELOMAR_VERSION)));
}

int main(int argc, char** argv)
{
    Application->Initialize();
    Application->SetTitle(u"Pelomar");
    int failures = 0;
    {
        tst_Crash test;
        failures = QTest::qExec(&test, argc, argv);
    }
    Application->Finalize();
    return failures;
}

#include "tst_crash.moc"
