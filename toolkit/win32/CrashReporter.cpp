#include "CrashReporter.h"

#include <cstdio>
#include <exception>
#include <string>
#include <typeinfo>

#include "Native.h"
// After windows.h:
#include <shellapi.h>
#include <shlobj.h>

#ifndef APP_VERSION
#define APP_VERSION "unknown"
#endif

namespace w32::crash {

namespace {

const wchar_t* const kBoxClass = L"PelomarCrashBox";
constexpr int kSend = 1, kShow = 2, kContinue = 3, kRestart = 4, kClose = 5, kReport = 10;
std::function<void(void*)> gBoxHook;
DWORD gMainThread = 0;

String fromAscii(const char* s)
{
    String r;
    for (; *s; ++s)
        r += static_cast<char16_t>(static_cast<unsigned char>(*s));
    return r;
}

std::string toUtf8(const String& s)
{
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide(s), static_cast<int>(s.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide(s), static_cast<int>(s.size()), out.data(), n, nullptr, nullptr);
    return out;
}

String number(unsigned long long v, int base = 10)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, base == 16 ? "0x%llX" : "%llu", v);
    return fromAscii(buf);
}

String folderOf(const String& path)
{
    const auto slash = path.find_last_of(u"\\/");
    return slash == String::npos ? String() : path.substr(0, slash);
}

String programPath()
{
    wchar_t buf[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, buf, static_cast<DWORD>(std::size(buf)));
    return String(reinterpret_cast<const char16_t*>(buf), n);
}

String dataFolder()
{
    wchar_t buf[MAX_PATH];
    if (SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, buf) != S_OK)
        return folderOf(programPath());
    return String(reinterpret_cast<const char16_t*>(buf)) + u"\\Pelomar";
}

String describe(std::exception_ptr e)
{
    try {
        if (e)
            std::rethrow_exception(e);
    } catch (const std::exception& x) {
        return u"exception " + fromAscii(typeid(x).name()) + u": " + fromAscii(x.what());
    } catch (...) {
        return u"unknown exception";
    }
    return u"std::terminate without an exception";
}

String urlEncode(const String& s)
{
    String out;
    for (char ch : toUtf8(s)) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_') {
            out += static_cast<char16_t>(c);
        } else {
            char buf[4];
            std::snprintf(buf, sizeof buf, "%%%02X", c);
            out += fromAscii(buf);
        }
    }
    return out;
}

struct Box {
    HWND hwnd = nullptr;
    int choice = 0;
    bool sent = false;
    String report;
};

LRESULT CALLBACK boxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* box = reinterpret_cast<Box*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (msg == WM_NCCREATE) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    if (box && msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
        switch (LOWORD(wp)) {
        case kSend: {
            const String url = u"mailto:?subject=" + urlEncode(u"Bug report: Pelomar") + u"&body=" + urlEncode(box->report);
            box->sent = reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", wide(url), nullptr, nullptr, SW_SHOWNORMAL)) > 32;
            return 0;
        }
        case kShow: {
            HWND report = GetDlgItem(hwnd, kReport);
            ShowWindow(report, IsWindowVisible(report) ? SW_HIDE : SW_SHOW);
            return 0;
        }
        case kContinue:
        case kRestart:
        case kClose:
            box->choice = LOWORD(wp);
            return 0;
        default:
            break;
        }
    }
    if (box && msg == WM_CLOSE) {
        box->choice = kContinue;
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

void child(HWND parent, const wchar_t* cls, const String& text, DWORD style, int id, int x, int y, int w, int h)
{
    HWND c = CreateWindowExW(0, cls, wide(text), WS_CHILD | style, x, y, w, h, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
}

int runBox(const String& report, const String& file)
{
    static bool registered = false;
    if (!registered) {
        registered = true;
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = boxProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        wc.lpszClassName = kBoxClass;
        RegisterClassExW(&wc);
    }
    Box box;
    box.report = report;
    box.hwnd = CreateWindowExW(WS_EX_TOPMOST | WS_EX_DLGMODALFRAME, kBoxClass, L"Pelomar",
                               WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 200, 150, 640, 420, nullptr, nullptr,
                               GetModuleHandleW(nullptr), &box);
    child(box.hwnd, L"STATIC", u"An error occurred in the application.", WS_VISIBLE, 100, 16, 16, 600, 20);
    child(box.hwnd, L"STATIC", u"A report that is not sent is added to " + file, WS_VISIBLE, 101, 16, 40, 600, 36);
    String crlf;
    for (char16_t c : report) {
        if (c == u'\n')
            crlf += u'\r';
        crlf += c;
    }
    child(box.hwnd, L"EDIT", crlf, WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, kReport, 16, 80, 600, 250);
    const char16_t* labels[] = {u"send bug report", u"show bug report", u"continue application", u"restart application",
                                u"close application"};
    for (int i = 0; i < 5; ++i)
        child(box.hwnd, L"BUTTON", labels[i], WS_VISIBLE | WS_TABSTOP | (i == 2 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), i + 1,
              16 + i * 122, 345, 116, 28);
    if (gBoxHook)
        gBoxHook(box.hwnd);
    MSG msg;
    while (!box.choice && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(box.hwnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    DestroyWindow(box.hwnd);
    if (!box.sent)
        appendReport(file, report);
    return box.choice ? box.choice : kContinue;
}

void finish(int choice)
{
    if (choice == kRestart) {
        const String path = programPath();
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        String command = u"\"" + path + u"\"";
        if (CreateProcessW(wide(path), const_cast<wchar_t*>(wide(command)), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
            CloseHandle(pi.hThread);
            CloseHandle(pi.hProcess);
        }
    }
    if (choice == kRestart || choice == kClose)
        ExitProcess(1);
}

LONG WINAPI onStructuredException(EXCEPTION_POINTERS* info)
{
    const EXCEPTION_RECORD* r = info->ExceptionRecord;
    const String what = u"structured exception " + number(r->ExceptionCode, 16) + u" at " +
                        number(reinterpret_cast<std::uintptr_t>(r->ExceptionAddress), 16);
    const String report = makeReport(what, u"thread " + number(GetCurrentThreadId()));
    const int choice = runBox(report, reportFile(folderOf(programPath()), dataFolder()));
    finish(choice);
    // The faulting code cannot be resumed.
    if (GetCurrentThreadId() != gMainThread)
        ExitThread(1);
    ExitProcess(1);
}

void onTerminate()
{
    const String where = u"thread " + number(GetCurrentThreadId());
    handle(describe(std::current_exception()), where);
    if (GetCurrentThreadId() != gMainThread)
        ExitThread(1);
    ExitProcess(1);
}

}  // namespace

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    gMainThread = GetCurrentThreadId();
    SetUnhandledExceptionFilter(onStructuredException);
    std::set_terminate(onTerminate);
}

void guard(const std::function<void()>& handler, const String& where)
{
    try {
        handler();
    } catch (...) {
        handle(describe(std::current_exception()), where);
    }
}

void handle(const String& what, const String& where)
{
    static LONG depth = 0;
    const String report = makeReport(what, where);
    const String file = reportFile(folderOf(programPath()), dataFolder());
    if (InterlockedIncrement(&depth) > 1) {
        appendReport(file, report);
        InterlockedDecrement(&depth);
        return;
    }
    const int choice = runBox(report, file);
    InterlockedDecrement(&depth);
    finish(choice);
}

String makeReport(const String& what, const String& where)
{
    SYSTEMTIME t;
    GetLocalTime(&t);
    char when[64];
    std::snprintf(when, sizeof when, "%04u-%02u-%02uT%02u:%02u:%02u.%03u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                  t.wSecond, t.wMilliseconds);
    OSVERSIONINFOW v{};
    v.dwOSVersionInfoSize = sizeof v;
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (auto get = reinterpret_cast<RtlGetVersionFn>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion"))))
        get(&v);
    String system = u"Windows " + number(v.dwMajorVersion) + u"." + number(v.dwMinorVersion) + u" build " + number(v.dwBuildNumber);
    using WineVersionFn = const char*(CDECL*)();
    if (auto wine = reinterpret_cast<WineVersionFn>(reinterpret_cast<void*>(GetProcAddress(ntdll, "wine_get_version"))))
        system += u" (Wine " + fromAscii(wine()) + u")";
    String r = u"---- bug report ----\n";
    r += u"When: " + fromAscii(when) + u"\n";
    r += u"What: " + what + u"\n";
    r += u"Where: " + where + u"\n";
    r += u"Program: Pelomar " + fromAscii(APP_VERSION) + u" (" + programPath() + u")\n";
    r += u"System: " + system + u"\n";
    r += u"Toolkit: Windows API\n";
    return r;
}

String reportFile(const String& programFolder, const String& dataFolder)
{
    const String inProgram = programFolder + u"\\bugreport.txt";
    HANDLE h = CreateFileW(wide(inProgram), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        // No file yet: can one be made there?
        const String probe = programFolder + u"\\bugreport.probe";
        h = CreateFileW(wide(probe), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    }
    if (h != INVALID_HANDLE_VALUE) {
        CloseHandle(h);
        return inProgram;
    }
    CreateDirectoryW(wide(dataFolder), nullptr);
    return dataFolder + u"\\bugreport.txt";
}

bool appendReport(const String& file, const String& report)
{
    HANDLE h = CreateFileW(wide(file), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    String crlf;
    for (char16_t c : report + u"\n") {
        if (c == u'\n')
            crlf += u'\r';
        crlf += c;
    }
    const std::string bytes = toUtf8(crlf);
    DWORD written = 0;
    const BOOL ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
    return ok && written == bytes.size();
}

void setBoxHook(std::function<void(void*)> hook) { gBoxHook = std::move(hook); }

}  // namespace w32::crash
