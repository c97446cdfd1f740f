// The text box on the EDIT control. EDIT sends EN_CHANGE also when a text is
// replaced by an equal one, so the layer keeps the text it last reported and
// passes a change on only when the text really differs. Keyboard entry
// selects the text through the dialog manager's Tab handling.
#include "CrashReporter.h"
#include "Native.h"

namespace {

std::unique_ptr<TControl::Native> makeEdit(TForm& owner, const TEditProps& props)
{
    auto native = std::make_unique<TControl::Native>();
    native->kind = TControl::Native::Kind::Edit;
    native->font = w32::fontFor(props.Font);
    native->color = w32::toColorRef(props.Font.Color);
    native->lastText = props.Text;
    const bool sunken = props.Border == TBorderStyle::Sunken3D;
    native->hwnd = CreateWindowExW(sunken ? WS_EX_CLIENTEDGE : 0, L"EDIT", w32::wide(props.Text),
                                   WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL | (sunken ? 0 : WS_BORDER),
                                   props.Left, props.Top, props.Width, TEdit::HeightFor(props.Font, props.Border),
                                   owner.native().hwnd, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(native->hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(native->font), FALSE);
    SendMessageW(native->hwnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
    SendMessageW(native->hwnd, EM_SETLIMITTEXT, 0, 0);  // no limit of the program's own
    return native;
}
}  // namespace

int TEdit::HeightFor(const TFont& font, TBorderStyle border)
{
    HFONT f = w32::fontFor(font);
    const int line = static_cast<int>(w32::metricsOf(f).tmHeight);
    DeleteObject(f);
    return line + BorderAllowance(border);
}

TEdit::TEdit(TForm& owner, const TEditProps& props)
    : TControl(owner, props.Name, makeEdit(owner, props)), tabOrder_(props.TabOrder)
{
    SetWindowLongPtrW(native().hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

String TEdit::Text() const { return w32::windowText(native().hwnd); }

void TEdit::SetText(const String& text)
{
    if (Text() != text)
        SetWindowTextW(native().hwnd, w32::wide(text));
}

void TEdit::changed()
{
    String now = Text();
    if (now == native().lastText)
        return;
    native().lastText = std::move(now);
    if (OnChange)
        w32::crash::guard([this] { OnChange(this); }, u"OnChange of " + Name());
}
