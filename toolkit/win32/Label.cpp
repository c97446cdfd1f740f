#include "CrashReporter.h"
#include "Native.h"

namespace {
std::unique_ptr<TControl::Native> makeLabel(const TLabelProps& props)
{
    auto native = std::make_unique<TControl::Native>();
    native->kind = TControl::Native::Kind::Label;
    native->font = w32::fontFor(props.Font);
    native->color = w32::toColorRef(props.Font.Color);
    native->caption = props.Caption;
    const TSize extent = TLabel::TextExtent(props.Caption, props.Font);
    native->rect = {props.Left, props.Top, extent.Width, extent.Height};
    return native;
}
}  // namespace

TSize TLabel::TextExtent(const String& text, const TFont& font)
{
    HFONT f = w32::fontFor(font);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, f);
    SIZE size{};
    GetTextExtentPoint32W(dc, w32::wide(text), static_cast<int>(text.size()), &size);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(f);
    return {static_cast<int>(size.cx), static_cast<int>(tm.tmHeight)};
}

TLabel::TLabel(TForm& owner, const TLabelProps& props) : TControl(owner, props.Name, makeLabel(props)) {}

String TLabel::Caption() const { return native().caption; }
