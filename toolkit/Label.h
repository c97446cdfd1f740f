// A static text: one line in its own font, sized to its text (its width, the
// font's line height) and placed by its top-left corner. Only the glyphs are
// drawn; whatever lies beneath shows around them. It takes no focus, but it
// takes every mouse event inside its box, so nothing beneath it gets them.
#pragma once

#include "Control.h"

struct TLabelProps {
    String Name;
    int Left = 0;
    int Top = 0;
    String Caption;
    TFont Font;
};

class TLabel : public TControl {
public:
    TLabel(TForm& owner, const TLabelProps& props);

    String Caption() const;
    // Moves the label so that its bottom edge lies at the given y.
    void PlaceAbove(int left, int bottom);

    // Left button only.
    TNotifyEvent OnDblClick;

    // The extent of a text in a font: its advance width and the line height.
    static TSize TextExtent(const String& text, const TFont& font);
};
