#include "Native.h"

namespace w32 {

String windowText(HWND hwnd)
{
    const int n = GetWindowTextLengthW(hwnd);
    String s(static_cast<std::size_t>(n), u'\0');
    if (n > 0)
        GetWindowTextW(hwnd, reinterpret_cast<wchar_t*>(s.data()), n + 1);
    return s;
}

COLORREF toColorRef(TColor color)
{
    if (IsSystemColor(color)) {
        switch (color) {
        case clWindow:
            return GetSysColor(COLOR_WINDOW);
        case clBtnFace:
            return GetSysColor(COLOR_BTNFACE);
        default:
            return GetSysColor(COLOR_WINDOWTEXT);
        }
    }
    return RGB((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
}

HFONT fontFor(const TFont& font)
{
    // A negative height asks for the character (em) height in pixels.
    return CreateFontW(-font.Height, 0, 0, 0, font.Bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, wide(font.Name));
}

TEXTMETRICW metricsOf(HFONT font)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return tm;
}

}  // namespace w32
