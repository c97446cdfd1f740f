// The form on a top-level window that paints its picture and static texts
// itself, in creation order, and hit-tests them for the mouse; its text boxes
// are child windows above everything it paints. The size is held through
// WM_GETMINMAXINFO; Tab and Shift+Tab are the dialog manager's, in the
// children's Z order, which follows each box's TabOrder.
#include <algorithm>

#include "../Application.h"
#include "CrashReporter.h"
#include "Native.h"

class TEditNotice {
public:
    static void changed(TEdit& edit) { edit.changed(); }
};

namespace w32 {

const wchar_t* const kFormClass = L"PelomarForm";

namespace {

TForm* formOf(HWND hwnd) { return reinterpret_cast<TForm*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

void paint(TForm& form, HDC target, const RECT& client)
{
    const int w = client.right, h = client.bottom;
    HDC dc = CreateCompatibleDC(target);
    HBITMAP buffer = CreateCompatibleBitmap(target, w, h);
    HGDIOBJ oldBitmap = SelectObject(dc, buffer);
    HBRUSH background = CreateSolidBrush(form.native().background);
    FillRect(dc, &client, background);
    DeleteObject(background);
    SetBkMode(dc, TRANSPARENT);
    for (const auto& c : form.Controls()) {
        const TControl::Native& n = c->native();
        if (n.kind == TControl::Native::Kind::Image && !n.picture.Empty()) {
            const TBitmap::Native& b = n.picture.native();
            BITMAPINFO info{};
            info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
            info.bmiHeader.biWidth = b.width;
            info.bmiHeader.biHeight = -b.height;  // top row first
            info.bmiHeader.biPlanes = 1;
            info.bmiHeader.biBitCount = 32;
            info.bmiHeader.biCompression = BI_RGB;
            SetDIBitsToDevice(dc, TImage::CentredOrigin(w, b.width), TImage::CentredOrigin(h, b.height),
                              static_cast<DWORD>(b.width), static_cast<DWORD>(b.height), 0, 0, 0,
                              static_cast<UINT>(b.height), b.pixels.data(), &info, DIB_RGB_COLORS);
        } else if (n.kind == TControl::Native::Kind::Label) {
            HGDIOBJ oldFont = SelectObject(dc, n.font);
            SetTextColor(dc, n.color);
            TextOutW(dc, n.rect.Left, n.rect.Top, wide(n.caption), static_cast<int>(n.caption.size()));
            SelectObject(dc, oldFont);
        }
    }
    BitBlt(target, 0, 0, w, h, dc, 0, 0, SRCCOPY);
    SelectObject(dc, oldBitmap);
    DeleteObject(buffer);
    DeleteDC(dc);
}

// The topmost static text under the point takes it; failing that, the picture.
void doubleClick(TForm& form, int x, int y)
{
    const auto& controls = form.Controls();
    for (auto kind : {TControl::Native::Kind::Label, TControl::Native::Kind::Image}) {
        for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
            const TControl::Native& n = (*it)->native();
            if (n.kind != kind || !n.rect.Contains(x, y))
                continue;
            TControl* control = it->get();
            const TNotifyEvent& handler = kind == TControl::Native::Kind::Label
                                              ? static_cast<TLabel*>(control)->OnDblClick
                                              : static_cast<TImage*>(control)->OnDblClick;
            if (handler)
                crash::guard([&handler, control] { handler(control); }, u"OnDblClick of " + control->Name());
            return;
        }
    }
}

LRESULT CALLBACK formProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lp);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    TForm* form = formOf(hwnd);
    if (!form)
        return DefWindowProcW(hwnd, msg, wp, lp);
    switch (msg) {
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lp);
        const TSize outer = form->OuterSize();
        info->ptMinTrackSize = info->ptMaxTrackSize = info->ptMaxSize = {outer.Width, outer.Height};
        return 0;
    }
    case WM_SIZE:
        for (const auto& c : form->Controls())
            if (c->native().kind == TControl::Native::Kind::Image)
                c->native().rect = {0, 0, LOWORD(lp), HIWORD(lp)};
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT client;
        GetClientRect(hwnd, &client);
        paint(*form, dc, client);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_COMMAND:
        if (HIWORD(wp) == EN_CHANGE && lp)
            if (auto* edit = reinterpret_cast<TEdit*>(GetWindowLongPtrW(reinterpret_cast<HWND>(lp), GWLP_USERDATA)))
                TEditNotice::changed(*edit);
        return 0;
    case WM_CTLCOLOREDIT:
        if (auto* edit = reinterpret_cast<TEdit*>(GetWindowLongPtrW(reinterpret_cast<HWND>(lp), GWLP_USERDATA))) {
            HDC dc = reinterpret_cast<HDC>(wp);
            SetTextColor(dc, edit->native().color);
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        break;
    case WM_LBUTTONDBLCLK:
        doubleClick(*form, static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
        return 0;
    case WM_ACTIVATE:
        // Later activations give the focus back to the box that had it.
        if (LOWORD(wp) == WA_INACTIVE) {
            form->native().lastFocus = GetFocus();
        } else if (form->native().lastFocus && IsWindow(form->native().lastFocus)) {
            SetFocus(form->native().lastFocus);
            return 0;
        }
        break;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        form->native().hwnd = nullptr;
        if (Application->MainForm() == form)
            PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

void registerClasses()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = formProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hIcon = LoadIconW(wc.hInstance, L"MAINICON");
    wc.lpszClassName = kFormClass;
    RegisterClassExW(&wc);
}

}  // namespace w32

TForm::TForm() : native_(std::make_unique<Native>()), outer_{816, 745}
{
    w32::registerClasses();
    native_->background = GetSysColor(COLOR_BTNFACE);
    native_->hwnd = CreateWindowExW(WS_EX_CONTROLPARENT, w32::kFormClass, L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                    CW_USEDEFAULT, CW_USEDEFAULT, outer_.Width, outer_.Height, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), this);
}

TForm::~TForm()
{
    while (!controls_.empty())
        controls_.pop_back();
    if (native_->hwnd) {
        SetWindowLongPtrW(native_->hwnd, GWLP_USERDATA, 0);
        DestroyWindow(native_->hwnd);
    }
    if (native_->font)
        DeleteObject(native_->font);
    for (HICON icon : native_->icons)
        DestroyIcon(icon);
}

void TForm::SetCaption(const String& caption) { SetWindowTextW(native_->hwnd, w32::wide(caption)); }
String TForm::Caption() const { return w32::windowText(native_->hwnd); }

void TForm::SetOuterSize(TSize size)
{
    outer_ = size;
    SetWindowPos(native_->hwnd, nullptr, 0, 0, size.Width, size.Height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TSize TForm::ClientSize() const
{
    RECT r{};
    GetClientRect(native_->hwnd, &r);
    return {r.right, r.bottom};
}

void TForm::SetColor(TColor color) { native_->background = w32::toColorRef(color); }

void TForm::SetFont(const TFont& font)
{
    font_ = font;
    if (native_->font)
        DeleteObject(native_->font);
    native_->font = w32::fontFor(font);
}

void TForm::SetIcon(const std::vector<TBitmap>& images)
{
    for (const TBitmap& image : images) {
        const TBitmap::Native& b = image.native();
        BITMAPV5HEADER header{};
        header.bV5Size = sizeof header;
        header.bV5Width = b.width;
        header.bV5Height = -b.height;
        header.bV5Planes = 1;
        header.bV5BitCount = 32;
        header.bV5Compression = BI_RGB;
        void* bits = nullptr;
        HDC dc = GetDC(nullptr);
        HBITMAP colour = CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
        ReleaseDC(nullptr, dc);
        if (!colour)
            continue;
        auto* out = static_cast<std::uint32_t*>(bits);
        for (std::size_t i = 0; i < b.pixels.size(); ++i)
            out[i] = b.pixels[i] | 0xFF000000u;  // fully opaque
        HBITMAP mask = CreateBitmap(b.width, b.height, 1, 1, nullptr);
        ICONINFO info{TRUE, 0, 0, mask, colour};
        if (HICON icon = CreateIconIndirect(&info)) {
            native_->icons.push_back(icon);
            if (b.width == 16)
                SendMessageW(native_->hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
            if (b.width == 32)
                SendMessageW(native_->hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        }
        DeleteObject(mask);
        DeleteObject(colour);
    }
}

void TForm::added(TControl& control)
{
    if (!dynamic_cast<TEdit*>(&control))
        return;
    HWND after = HWND_TOP;
    for (TEdit* box : BoxesInTabOrder()) {
        SetWindowPos(box->native().hwnd, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = box->native().hwnd;
    }
}

void TForm::Show()
{
    HWND hwnd = native_->hwnd;
    int show = SW_SHOWNORMAL;
    if (!native_->shownOnce) {
        native_->shownOnce = true;
        const TSize at = CentredPosition({GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, outer_);
        SetWindowPos(hwnd, nullptr, at.Width, at.Height, outer_.Width, outer_.Height, SWP_NOZORDER | SWP_NOACTIVATE);
        // A shortcut may ask for the window minimised or maximised.
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        GetStartupInfoW(&startup);
        if (startup.dwFlags & STARTF_USESHOWWINDOW)
            show = startup.wShowWindow;
    }
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    if (!native_->lastFocus) {
        const std::vector<TEdit*> boxes = BoxesInTabOrder();
        if (TEdit* first = boxes.empty() ? nullptr : boxes.front()) {
            SetFocus(first->native().hwnd);
            SendMessageW(first->native().hwnd, EM_SETSEL, 0, -1);
            native_->lastFocus = first->native().hwnd;
        }
    }
}

void TForm::Close()
{
    if (native_->hwnd)
        SendMessageW(native_->hwnd, WM_CLOSE, 0, 0);
}

bool TForm::Visible() const { return native_->hwnd && IsWindowVisible(native_->hwnd); }
