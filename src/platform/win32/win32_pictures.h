// Pictures for the Win32 window. Provides: an icon of one size from the
// carried icon file (its directory's image of that size, else the nearest,
// made by CreateIconFromResourceEx, which scales); a plain Image drawn into
// a DC stretched (StretchDIBits, halftone) or alpha-blended (AlphaBlend of
// a 32-bit DIB section, for pictures with transparent pixels); a GIF's
// first frame as an Image through OLE's picture loader (OleLoadPicture).
// Does not provide: JPEG decoding (the shared decoder in pictures/), icon
// images by the program's own reader, animation.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "pictures/image.h"

namespace dorvane {

// nullptr when the bytes hold no usable image; the caller destroys it
HICON IconFromIconFile(std::span<const std::uint8_t> file, int size);

// opaque pixels stretched over `place`
void StretchImage(HDC dc, const RECT& place, const Image& image);

// pixels whose alpha is 0 leave what is below; others are drawn opaque
void BlendImage(HDC dc, int x, int y, const Image& image);

// the first frame with opaque pixels; null when OLE cannot read the bytes
Image GifFirstFrame(std::span<const std::uint8_t> gif);

}  // namespace dorvane
