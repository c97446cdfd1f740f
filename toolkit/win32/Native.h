// The Windows API behind the layer's controls. Text boxes are EDIT windows of
// their own; static texts and the picture are drawn by the form itself and
// hit-tested by it, so that they lie transparently over the picture and take
// the mouse inside their box, as windowless controls do.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>

#include <vector>

#include "../Bitmap.h"
#include "../Control.h"
#include "../Edit.h"
#include "../Form.h"
#include "../Image.h"
#include "../Label.h"

namespace w32 {

inline const wchar_t* wide(const String& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }
String windowText(HWND hwnd);
COLORREF toColorRef(TColor color);
HFONT fontFor(const TFont& font);
TEXTMETRICW metricsOf(HFONT font);
void registerClasses();
extern const wchar_t* const kFormClass;

}  // namespace w32

struct TControl::Native {
    enum class Kind { Edit, Label, Image } kind = Kind::Label;
    HWND hwnd = nullptr;   // text boxes only
    TRect rect;            // static texts and the picture
    HFONT font = nullptr;
    COLORREF color = 0;
    String caption;        // static texts
    String lastText;       // text boxes: the text OnChange last reported
    TSize pictureSize;     // the picture
    TDrawProc draw;
    TBitmap picture;
};

struct TForm::Native {
    HWND hwnd = nullptr;
    HFONT font = nullptr;
    HWND lastFocus = nullptr;
    COLORREF background = 0;
    std::vector<HICON> icons;
    bool shownOnce = false;
};

struct TBitmap::Native {
    TSize logical;
    double scale = 1.0;
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top row first
};
