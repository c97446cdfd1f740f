#include "CrashReporter.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <QUrl>
#include <QUrlQuery>
#include <QVBoxLayout>
#include <atomic>
#include <csignal>
#include <cstring>
#include <exception>
#include <execinfo.h>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

#ifndef APP_VERSION
#define APP_VERSION "unknown"
#endif

namespace qtk::crash {

namespace {

constexpr const char* kReportName = "bugreport.txt";
std::function<void(QDialog*)> gBoxHook;

// The file a fatal signal writes to, fixed at start-up because nothing may
// be computed inside the signal handler.
char gSignalReportPath[4096] = {};

QString backtraceText()
{
    void* frames[64];
    const int n = ::backtrace(frames, 64);
    char** symbols = ::backtrace_symbols(frames, n);
    QString text;
    for (int i = 0; i < n; ++i)
        text += QStringLiteral("  ") + QString::fromLocal8Bit(symbols ? symbols[i] : "?") + QLatin1Char('\n');
    std::free(symbols);
    return text;
}

QString programFolder()
{
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                        : QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget().section(QLatin1Char('/'), 0, -2);
}

QString dataFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/.local/share/pelomar");
    return folder;
}

void restart()
{
    QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
}

// --- fatal signals -------------------------------------------------------

void writeAll(int fd, const char* s)
{
    std::size_t left = std::strlen(s);
    while (left > 0) {
        const ssize_t n = ::write(fd, s, left);
        if (n <= 0)
            return;
        s += n;
        left -= static_cast<std::size_t>(n);
    }
}

void onFatalSignal(int sig)
{
    const int fd = ::open(gSignalReportPath, O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (fd >= 0) {
        writeAll(fd, "---- bug report ----\nWhat: fatal signal ");
        const char* name = sig == SIGSEGV ? "SIGSEGV" : sig == SIGBUS ? "SIGBUS" : sig == SIGFPE ? "SIGFPE"
                         : sig == SIGILL ? "SIGILL" : sig == SIGABRT ? "SIGABRT" : "?";
        writeAll(fd, name);
        writeAll(fd, "\nVersion: " APP_VERSION "\nWhere:\n");
        void* frames[64];
        const int n = ::backtrace(frames, 64);
        ::backtrace_symbols_fd(frames, n, fd);
        writeAll(fd, "\n");
        ::close(fd);
    }
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

void installSignalHandlers()
{
    // backtrace() loads its unwinder on first use; do that now, not in a handler.
    void* warmUp[1];
    ::backtrace(warmUp, 1);
    const QString dir = programFolder();
    const QByteArray path = reportFile(dir, dataFolder()).toLocal8Bit();
    std::strncpy(gSignalReportPath, path.constData(), sizeof gSignalReportPath - 1);
    for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGILL})
        std::signal(sig, onFatalSignal);
}

// --- exceptions outside the event handling -------------------------------

QString describe(std::exception_ptr e)
{
    try {
        if (e)
            std::rethrow_exception(e);
    } catch (const std::exception& x) {
        return QStringLiteral("exception %1: %2").arg(QString::fromLatin1(typeid(x).name()), QString::fromLocal8Bit(x.what()));
    } catch (...) {
        return QStringLiteral("unknown exception");
    }
    return QStringLiteral("std::terminate without an exception");
}

void onTerminate()
{
    const QString what = describe(std::current_exception());
    auto* app = QCoreApplication::instance();
    if (app && QThread::currentThread() != app->thread()) {
        const QString where = QStringLiteral("thread %1\n%2")
                                  .arg(reinterpret_cast<quintptr>(QThread::currentThreadId()))
                                  .arg(backtraceText());
        QMetaObject::invokeMethod(app, [what, where] { handle(what, where); }, Qt::BlockingQueuedConnection);
        // "continue application": the rest of the program goes on; this
        // thread cannot, so it stays parked.
        for (;;)
            std::this_thread::sleep_for(std::chrono::hours(1));
    }
    if (app)
        handle(what, QStringLiteral("main thread\n") + backtraceText());
    else
        appendReport(reportFile(programFolder(), dataFolder()), makeReport(what, backtraceText()));
    std::_Exit(1);
}

}  // namespace

void install()
{
    static bool installed = false;
    if (!installed) {
        installed = true;
        std::set_terminate(onTerminate);
    }
    // Again once the application exists: its name and folder fix the file.
    installSignalHandlers();
}

QString makeReport(const QString& what, const QString& where)
{
    QString r;
    r += QStringLiteral("---- bug report ----\n");
    r += QStringLiteral("When: %1\n").arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs));
    r += QStringLiteral("What: %1\n").arg(what);
    r += QStringLiteral("Where: %1\n").arg(where.trimmed());
    r += QStringLiteral("Program: %1 %2 (%3)\n")
             .arg(QCoreApplication::applicationName(), QStringLiteral(APP_VERSION), QCoreApplication::applicationFilePath());
    r += QStringLiteral("System: %1, kernel %2 %3, %4\n")
             .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion(),
                  QSysInfo::currentCpuArchitecture());
    r += QStringLiteral("Qt: %1 (built with %2), platform %3\n")
             .arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR), QGuiApplication::platformName());
    return r;
}

QString reportFile(const QString& programFolder, const QString& dataFolder)
{
    // access() knows about read-only file systems, and about root.
    if (QFileInfo(programFolder).isDir() && ::access(QFile::encodeName(programFolder).constData(), W_OK) == 0)
        return QDir(programFolder).filePath(QString::fromLatin1(kReportName));
    QDir().mkpath(dataFolder);
    return QDir(dataFolder).filePath(QString::fromLatin1(kReportName));
}

bool appendReport(const QString& file, const QString& report)
{
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return false;
    const QByteArray bytes = (report + QLatin1Char('\n')).toUtf8();
    return f.write(bytes) == bytes.size();
}

void guard(const std::function<void()>& handler, const QString& where)
{
    try {
        handler();
    } catch (...) {
        handleCurrentException(where);
    }
}

void handleCurrentException(const QString& where)
{
    handle(describe(std::current_exception()), where);
}

void setBoxHook(std::function<void(QDialog*)> hook) { gBoxHook = std::move(hook); }

void handle(const QString& what, const QString& where)
{
    static std::atomic<int> depth{0};
    const QString report = makeReport(what, where);
    const QString file = reportFile(programFolder(), dataFolder());
    if (depth.fetch_add(1) > 0) {
        // A fault while the box is up: keep the report, do not stack boxes.
        appendReport(file, report);
        --depth;
        return;
    }

    QDialog box;
    box.setObjectName(QStringLiteral("crashBox"));
    box.setWindowTitle(QCoreApplication::applicationName());
    box.setWindowFlags(box.windowFlags() | Qt::WindowStaysOnTopHint);
    box.setModal(true);
    auto* layout = new QVBoxLayout(&box);
    auto* text = new QLabel(QStringLiteral("An error occurred in the application."), &box);
    text->setObjectName(QStringLiteral("message"));
    layout->addWidget(text);
    auto* where_ = new QLabel(QStringLiteral("A report that is not sent is added to %1").arg(file), &box);
    where_->setObjectName(QStringLiteral("reportFile"));
    where_->setWordWrap(true);
    layout->addWidget(where_);
    auto* details = new QPlainTextEdit(report, &box);
    details->setObjectName(QStringLiteral("report"));
    details->setReadOnly(true);
    details->setVisible(false);
    details->setMinimumSize(560, 240);
    layout->addWidget(details);
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);

    bool sent = false;
    Choice choice = Choice::Continue;
    const auto addButton = [&](const QString& label, std::function<void()> action) {
        auto* b = new QPushButton(label, &box);
        b->setObjectName(label);
        b->setAutoDefault(false);
        QObject::connect(b, &QPushButton::clicked, &box, action);
        buttons->addWidget(b);
        return b;
    };
    addButton(QStringLiteral("send bug report"), [&] {
        QUrl mail(QStringLiteral("mailto:"));
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("subject"), QStringLiteral("Bug report: %1").arg(QCoreApplication::applicationName()));
        query.addQueryItem(QStringLiteral("body"), report);
        mail.setQuery(query);
        sent = QDesktopServices::openUrl(mail);
    });
    addButton(QStringLiteral("show bug report"), [&] { details->setVisible(!details->isVisible()); });
    addButton(QStringLiteral("continue application"), [&] { choice = Choice::Continue; box.accept(); })
        ->setDefault(true);
    addButton(QStringLiteral("restart application"), [&] { choice = Choice::Restart; box.accept(); });
    addButton(QStringLiteral("close application"), [&] { choice = Choice::Close; box.accept(); });

    if (gBoxHook)
        gBoxHook(&box);
    box.exec();
    if (!sent)
        appendReport(file, report);
    --depth;

    switch (choice) {
    case Choice::Continue:
        return;
    case Choice::Restart:
        restart();
        std::_Exit(1);
    case Choice::Close:
        std::_Exit(1);
    }
}

}  // namespace qtk::crash
