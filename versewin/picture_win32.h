#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>

#include "common/handles_win32.h"
#include "versewin/picture_scale.h"

namespace sovelin {

// Decodes an image file held in memory (the pictures are PNG) with the Windows Imaging
// Component; no pixels when it cannot be read.
PicturePixels DecodePicture(const void* data, size_t size);

// A 32-bit DIB section holding `picture`.
Bitmap BitmapFromPixels(const PicturePixels& picture);

// The verse window picture `picture` (its name, e.g. "book") from `module`'s resources, at
// `scale` times its design size of designWidth x designHeight pixels. The pictures are stored
// at kPictureDrawingScale times that size (RCDATA "BOOK3X") and reduced to the size asked for
// by area averaging, so the picture stays sharp at every scale up to that.
Bitmap LoadVersePicture(HMODULE module, std::string_view picture, int designWidth, int designHeight,
                        double scale);

}  // namespace sovelin
