#include "platform/win32/win32_pictures.h"

#include <ole2.h>
#include <olectl.h>

#include <cstring>

namespace dorvane {
namespace {

std::uint16_t Word(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t Dword(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(Word(bytes, at)) |
           static_cast<std::uint32_t>(Word(bytes, at + 2)) << 16;
}

BITMAPINFO TopDownInfo(const Image& image) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // rows from the top, as Image has them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace

HICON IconFromIconFile(std::span<const std::uint8_t> file, int size) {
    // ICONDIR: reserved 0, type 1, count; then 16-byte entries
    if (file.size() < 6 || Word(file, 0) != 0 || Word(file, 2) != 1) return nullptr;
    const std::size_t count = Word(file, 4);
    if (file.size() < 6 + 16 * count) return nullptr;
    // the exact size; else the smallest larger one; else the largest smaller one
    const auto rank = [size](int side) {
        return side >= size ? side - size : 0x10000 + (size - side);
    };
    std::size_t best = count;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * i;
        const int side = file[entry] == 0 ? 256 : file[entry];
        const std::uint32_t bytes = Dword(file, entry + 8);
        const std::uint32_t offset = Dword(file, entry + 12);
        if (offset > file.size() || bytes > file.size() - offset || bytes == 0) continue;
        const int bestSide =
            best == count ? 0 : (file[6 + 16 * best] == 0 ? 256 : file[6 + 16 * best]);
        if (best == count || rank(side) < rank(bestSide)) best = i;
    }
    if (best == count) return nullptr;
    const std::size_t entry = 6 + 16 * best;
    const std::uint32_t bytes = Dword(file, entry + 8);
    const std::uint32_t offset = Dword(file, entry + 12);
    // the system reads the image only; it does not write to it
    auto* image = const_cast<PBYTE>(file.data() + offset);
    return CreateIconFromResourceEx(image, bytes, TRUE, 0x00030000, size, size, LR_DEFAULTCOLOR);
}

void StretchImage(HDC dc, const RECT& place, const Image& image) {
    if (image.IsNull()) return;
    const BITMAPINFO info = TopDownInfo(image);
    const int oldMode = SetStretchBltMode(dc, HALFTONE);
    POINT oldOrigin;
    SetBrushOrgEx(dc, 0, 0, &oldOrigin);
    StretchDIBits(dc, place.left, place.top, place.right - place.left, place.bottom - place.top, 0,
                  0, image.width, image.height, image.pixels.data(), &info, DIB_RGB_COLORS,
                  SRCCOPY);
    SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
    SetStretchBltMode(dc, oldMode);
}

void BlendImage(HDC dc, int x, int y, const Image& image) {
    if (image.IsNull()) return;
    const BITMAPINFO info = TopDownInfo(image);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) return;
    // alpha 0 or 255 only, so the words are premultiplied already
    std::memcpy(bits, image.pixels.data(), image.pixels.size() * sizeof(std::uint32_t));
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, x, y, image.width, image.height, memory, 0, 0, image.width, image.height, blend);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
}

Image GifFirstFrame(std::span<const std::uint8_t> gif) {
    if (gif.empty() || gif.size() > 0x1000000) return {};
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, gif.size());
    if (memory == nullptr) return {};
    if (void* bytes = GlobalLock(memory)) {
        std::memcpy(bytes, gif.data(), gif.size());
        GlobalUnlock(memory);
    }
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        GlobalFree(memory);
        return {};
    }
    IPicture* picture = nullptr;
    const HRESULT loaded = OleLoadPicture(stream, static_cast<LONG>(gif.size()), FALSE,
                                          IID_IPicture, reinterpret_cast<void**>(&picture));
    stream->Release();
    if (FAILED(loaded) || picture == nullptr) return {};

    Image image;
    SHORT type = PICTYPE_NONE;
    OLE_HANDLE handle = 0;
    if (SUCCEEDED(picture->get_Type(&type)) && type == PICTYPE_BITMAP &&
        SUCCEEDED(picture->get_Handle(&handle))) {
        // OLE_HANDLE is 32 bits wide: GDI handles fit it on both sizes of Windows
        HBITMAP bitmap = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
        BITMAP facts{};
        if (GetObjectA(bitmap, sizeof(facts), &facts) != 0 && facts.bmWidth > 0 &&
            facts.bmHeight > 0 && facts.bmWidth <= 4096 && facts.bmHeight <= 4096) {
            image = Image(facts.bmWidth, facts.bmHeight);
            BITMAPINFO info = TopDownInfo(image);
            HDC screen = GetDC(nullptr);
            const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(image.height),
                                       image.pixels.data(), &info, DIB_RGB_COLORS);
            ReleaseDC(nullptr, screen);
            if (rows != image.height) {
                image = Image();
            } else {
                for (std::uint32_t& pixel : image.pixels) pixel |= 0xff000000u;
            }
        }
    }
    picture->Release();
    return image;
}

}  // namespace dorvane
