// The parts of the layer that are the same on every platform: centring,
// caption placement, the border allowance of a text box and the tab order.
#include <algorithm>

#include "Form.h"
#include "Image.h"
#include "Label.h"

TSize TForm::CentredPosition(TSize screen, TSize window)
{
    return {std::max(0, (screen.Width - window.Width) / 2), std::max(0, (screen.Height - window.Height) / 2)};
}

std::vector<TEdit*> TForm::BoxesInTabOrder() const
{
    std::vector<TEdit*> boxes;
    for (const auto& c : controls_)
        if (auto* e = dynamic_cast<TEdit*>(c.get()))
            boxes.push_back(e);
    std::stable_sort(boxes.begin(), boxes.end(), [](TEdit* a, TEdit* b) { return a->TabOrder() < b->TabOrder(); });
    return boxes;
}

int TImage::CentredOrigin(int clientExtent, int pictureExtent)
{
    // Integer division truncates toward zero, also for a picture larger than the client.
    return (clientExtent - pictureExtent) / 2;
}

void TLabel::PlaceAbove(int left, int bottom)
{
    const TRect r = BoundsRect();
    SetBounds({left, bottom - r.Height, r.Width, r.Height});
}

int TEdit::BorderAllowance(TBorderStyle border)
{
    constexpr int kSunkenExtra = 8;  // 2-px edge and 2-px gap, top and bottom
    constexpr int kFlatExtra = 6;    // 1-px line and 2-px gap, top and bottom
    return border == TBorderStyle::Sunken3D ? kSunkenExtra : kFlatExtra;
}
