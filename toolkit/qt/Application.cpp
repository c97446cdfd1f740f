// The application object on QApplication. It is a static object, made before
// main() runs; the QApplication itself comes with Initialize(). The program
// takes no command line, so Qt is handed a fixed one.
#include <QApplication>

#include <QEvent>

#include "../Application.h"
#include "CrashReporter.h"
#include "Native.h"

namespace {

// Delivers every event; a fault that escapes anything the events run goes to
// the crash reporter, and the program goes on if the user says so. The
// program's own handlers are guarded closer still, where the layer calls them.
class GuardedApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (...) {
            qtk::crash::handleCurrentException(QStringLiteral("event %1 delivered to %2 \"%3\"")
                                                   .arg(int(event->type()))
                                                   .arg(QString::fromLatin1(receiver->metaObject()->className()),
                                                        receiver->objectName()));
        }
        return true;
    }
};

}  // namespace

struct TApplication::Native {
    std::unique_ptr<QApplication> app;
};

namespace {
int gArgc = 1;
char gProgramName[] = "pelomar";
char* gArgv[] = {gProgramName, nullptr};

TApplication gApplication;
}  // namespace

TApplication* Application = &gApplication;

// The crash reporter comes first, before any other start-up work of the toolkit.
TApplication::TApplication() : native_(std::make_unique<Native>()) { qtk::crash::install(); }

TApplication::~TApplication() = default;

void TApplication::Initialize()
{
    if (native_->app || QApplication::instance())
        return;
    native_->app = std::make_unique<GuardedApplication>(gArgc, gArgv);
    qtk::crash::install();
    qtk::ensureFonts();
}

void TApplication::SetTitle(const String& title)
{
    title_ = title;
    // The application name, not the display name: Qt appends a display name
    // to every window caption.
    QCoreApplication::setApplicationName(qtk::toQ(title));
    qtk::crash::install();
}

void TApplication::SetDesktopEntry(const String& id)
{
    QGuiApplication::setDesktopFileName(qtk::toQ(id));
}

int TApplication::Run()
{
    if (!mainForm_)
        return 0;
    mainForm_->Show();
    QApplication::exec();
    Finalize();
    return 0;
}

void TApplication::ProcessMessages() { QCoreApplication::processEvents(); }

void TApplication::Finalize()
{
    mainForm_ = nullptr;
    while (!forms_.empty())
        forms_.pop_back();
    native_->app.reset();
}
