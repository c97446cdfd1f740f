// A single-line text box. Setting a text equal to the current one does nothing
// at all; any other change of the text, by the user or by the program, fires
// OnChange once and before the change returns. Entered by the keyboard, the box
// selects its whole text; entered by a click, it puts the caret there.
#pragma once

#include "Control.h"

enum class TBorderStyle {
    Sunken3D,  // a sunken edge 2 px wide
    FlatLine,  // a flat 1-px line
};

struct TEditProps {
    String Name;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    String Text;
    TFont Font;
    TBorderStyle Border = TBorderStyle::Sunken3D;
    int TabOrder = 0;
    String Accessible;  // name a screen reader reads
    String Description; // where the box stands, for a screen reader
};

class TEdit : public TControl {
public:
    TEdit(TForm& owner, const TEditProps& props);

    String Text() const;
    void SetText(const String& text);
    int TabOrder() const { return tabOrder_; }

    TNotifyEvent OnChange;

    // The height a box of this font and border takes: the font's line height
    // plus the border on both sides and a 2-px gap inside the sunken edge.
    static int HeightFor(const TFont& font, TBorderStyle border);
    // What the border adds to the line height: edge or line, and the gap.
    static int BorderAllowance(TBorderStyle border);

private:
    friend class TEditNotice;  // the platform's word that the text changed
    void changed();
    int tabOrder_;
};
