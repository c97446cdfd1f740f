// The program's icon, drawn from its description: four coloured squares on
// light grey. The window, the desktop entry's theme icons and the Windows
// icon resource are all made from these images.
#pragma once

#include <vector>

#include "toolkit/Bitmap.h"

// The sizes the icon comes in, in pixels.
inline constexpr int kAppIconSizes[] = {16, 24, 32, 48, 256};

TBitmap AppIconImage(int size);
std::vector<TBitmap> AppIconImages();
