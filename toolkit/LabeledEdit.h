// A text box with a caption above it: the caption is a static text in the
// form's font, left-aligned with the box, its bottom edge kCaptionGap px above
// the box, and it moves with the box.
#pragma once

#include "Edit.h"
#include "Label.h"

class TLabeledEdit : public TEdit {
public:
    static constexpr int kCaptionGap = 3;  // px between caption and box

    TLabeledEdit(TForm& owner, const TEditProps& props, const String& caption);

    TLabel& EditLabel() const { return *label_; }

private:
    TLabel* label_;
};
