// The picture control: it fills its parent's client area and shows a picture
// at its natural size, never scaled, centred with the halves truncated toward
// zero. It paints nothing outside the picture, so the form's background shows
// there. The picture is drawn once, at the screen's density.
#pragma once

#include "Bitmap.h"
#include "Control.h"

class TImage : public TControl {
public:
    TImage(TForm& owner, String name);

    // Draws the picture of the given logical size now, at the density of the
    // screen the form is on; it is drawn again only if that density changes.
    void SetPicture(TSize size, TDrawProc draw);
    const TBitmap& Picture() const;
    // Where the picture's top-left corner lies in the control.
    static int CentredOrigin(int clientExtent, int pictureExtent);

    // Left button only, and only where no other control lies over the picture.
    TNotifyEvent OnDblClick;
};
