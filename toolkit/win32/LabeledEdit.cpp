// The caption follows its box: the box's window procedure is wrapped to
// place the caption again whenever the box moves or changes size.
#include "../LabeledEdit.h"
#include "Native.h"

namespace {

const wchar_t* const kOldProc = L"PelomarOldProc";
const wchar_t* const kCaption = L"PelomarCaption";

void place(HWND box, TLabel& caption)
{
    RECT r{};
    GetWindowRect(box, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(box), reinterpret_cast<POINT*>(&r), 2);
    caption.PlaceAbove(r.left, r.top - TLabeledEdit::kCaptionGap);
}

LRESULT CALLBACK followingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    auto old = reinterpret_cast<WNDPROC>(GetPropW(hwnd, kOldProc));
    if (msg == WM_WINDOWPOSCHANGED) {
        if (auto* caption = static_cast<TLabel*>(GetPropW(hwnd, kCaption)))
            place(hwnd, *caption);
    } else if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
        RemovePropW(hwnd, kOldProc);
        RemovePropW(hwnd, kCaption);
    }
    return CallWindowProcW(old, hwnd, msg, wp, lp);
}

}  // namespace

TLabeledEdit::TLabeledEdit(TForm& owner, const TEditProps& props, const String& caption)
    : TEdit(owner, props),
      label_(owner.Create<TLabel>(TLabelProps{props.Name + u"Label", props.Left, props.Top, caption, owner.Font()}))
{
    HWND box = native().hwnd;
    place(box, *label_);
    SetPropW(box, kCaption, label_);
    SetPropW(box, kOldProc, reinterpret_cast<HANDLE>(GetWindowLongPtrW(box, GWLP_WNDPROC)));
    SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(followingProc));
}
