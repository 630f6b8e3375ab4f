#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "common/handles_win32.h"
#include "versewin/picture_scale.h"

namespace sovelin {

// Decodes an image file held in memory (the pictures are PNG) with the Windows Imaging
// Component; no pixels when it cannot be read.
PicturePixels DecodePicture(const void* data, size_t size);

// A 32-bit DIB section holding `picture`.
Bitmap BitmapFromPixels(const PicturePixels& picture);

// The picture file held as resource `name` (RCDATA) in `module`, decoded into a 32-bit DIB
// section; no bitmap when it is missing or cannot be read.
Bitmap LoadPictureResource(HMODULE module, const std::string& name);

// The verse window picture `picture` (its name, e.g. "book") from `module`'s resources, at
// `scale` times its design size of designWidth x designHeight pixels. Up to scale 1 the picture
// drawn at its design size (RCDATA "BOOK") is shown, as it is or reduced; above it, the one drawn
// at kPictureDrawingScale times that size (RCDATA "BOOK3X") is reduced to the size asked for by
// area averaging, so the picture stays sharp at every scale up to that.
Bitmap LoadVersePicture(HMODULE module, std::string_view picture, int designWidth, int designHeight,
                        double scale);

}  // namespace sovelin
