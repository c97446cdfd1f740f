// The application object on the Windows API: a static object made before
// main(), which installs the crash reporter first. Run() is a message loop
// that hands keys to the dialog manager for Tab and Shift+Tab.
#include "../Application.h"
#include "CrashReporter.h"
#include "Native.h"

struct TApplication::Native {};

namespace {
TApplication gApplication;

// The form a message's window belongs to, for the dialog manager.
HWND formOf(HWND hwnd)
{
    HWND root = hwnd ? GetAncestor(hwnd, GA_ROOT) : nullptr;
    wchar_t cls[32] = {};
    if (root && GetClassNameW(root, cls, 32) && lstrcmpW(cls, w32::kFormClass) == 0)
        return root;
    return nullptr;
}

void pump(bool wait)
{
    MSG msg;
    while (wait ? GetMessageW(&msg, nullptr, 0, 0) > 0 : PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!wait && msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        HWND form = formOf(msg.hwnd);
        if (!form || !IsDialogMessageW(form, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}
}  // namespace

TApplication* Application = &gApplication;

TApplication::TApplication() : native_(std::make_unique<Native>()) { w32::crash::install(); }

TApplication::~TApplication() = default;

void TApplication::Initialize() { w32::registerClasses(); }

void TApplication::SetTitle(const String& title) { title_ = title; }

// Desktop entries are a Linux desktop's; Windows has nothing to name here.
void TApplication::SetDesktopEntry(const String&) {}

int TApplication::Run()
{
    if (!mainForm_)
        return 0;
    mainForm_->Show();
    pump(true);
    Finalize();
    return 0;
}

void TApplication::ProcessMessages() { pump(false); }

void TApplication::Finalize()
{
    mainForm_ = nullptr;
    while (!forms_.empty())
        forms_.pop_back();
}
