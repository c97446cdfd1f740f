// The application object on QApplication. It is a static object, made before
// main() runs; the QApplication itself comes with Initialize(). The program
// takes no command line, so Qt is handed a fixed one.
#include <QApplication>

#include "../Application.h"
#include "Native.h"

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

TApplication::TApplication() : native_(std::make_unique<Native>()) {}

TApplication::~TApplication() = default;

void TApplication::Initialize()
{
    if (native_->app || QApplication::instance())
        return;
    native_->app = std::make_unique<QApplication>(gArgc, gArgv);
    qtk::ensureFonts();
}

void TApplication::SetTitle(const String& title)
{
    title_ = title;
    // The application name, not the display name: Qt appends a display name
    // to every window caption.
    QCoreApplication::setApplicationName(qtk::toQ(title));
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
    mainForm_ = nullptr;
    while (!forms_.empty())
        forms_.pop_back();
    return 0;
}
