#include "skin_paint.h"

#include <vector>

#include "skin_raster.h"

namespace dorvane::skin {
namespace {

// Draws into a bitmap of the target's client size, then copies it once, so a
// control never shows half-painted.
class Buffer {
  public:
    Buffer(HDC target, int width, int height)
        : target_(target),
          width_(width),
          height_(height),
          dc_(CreateCompatibleDC(target)),
          bitmap_(CreateCompatibleBitmap(target, width > 0 ? width : 1, height > 0 ? height : 1)),
          old_(dc_ && bitmap_ ? SelectObject(dc_, bitmap_) : nullptr) {}
    ~Buffer() {
        if (old_) SelectObject(dc_, old_);
        if (bitmap_) DeleteObject(bitmap_);
        if (dc_) DeleteDC(dc_);
    }
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;

    bool Ready() const { return old_ != nullptr; }
    HDC Dc() const { return dc_; }
    void CopyOut() const { BitBlt(target_, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY); }

  private:
    HDC target_;
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

// A box of the style sheet blended over what the DC already shows.
// Only the part the DC can show is computed.
void PaintBox(HDC dc, const RECT& r, const Box& box) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    RECT shown;
    if (w <= 0 || h <= 0 || !IsVisible(box) || GetClipBox(dc, &shown) == ERROR ||
        !IntersectRect(&shown, &shown, &r)) {
        return;
    }
    const Area part{shown.left - r.left, shown.top - r.top, shown.right - shown.left,
                    shown.bottom - shown.top};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = part.width;
    info.bmiHeader.biHeight = -part.height;  // rows top down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) {
        return;
    }
    RasteriseBox(box, w, h, part, static_cast<std::uint32_t*>(bits));
    HDC source = CreateCompatibleDC(dc);
    if (source) {
        HGDIOBJ old = SelectObject(source, bitmap);
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(dc, shown.left, shown.top, part.width, part.height, source, 0, 0, part.width,
                   part.height, blend);
        SelectObject(source, old);
        DeleteDC(source);
    }
    DeleteObject(bitmap);
}

int Modulo(int value, int by) {
    const int m = value % by;
    return m < 0 ? m + by : m;
}

// The tile lies from the top-level window's client origin, so it runs on
// unbroken across every control that shows it.
void AlignTile(const Painter& painter, HWND window, HDC dc) {
    POINT origin{0, 0};
    MapWindowPoints(GetAncestor(window, GA_ROOT), window, &origin, 1);
    POINT viewport{};
    GetViewportOrgEx(dc, &viewport);
    SetBrushOrgEx(dc, Modulo(origin.x + viewport.x, painter.tileWidth),
                  Modulo(origin.y + viewport.y, painter.tileHeight), nullptr);
}

void FillTile(const Painter& painter, HWND window, HDC dc, const RECT& r) {
    POINT old{};
    GetBrushOrgEx(dc, &old);
    AlignTile(painter, window, dc);
    FillRect(dc, &r, painter.tileBrush);
    SetBrushOrgEx(dc, old.x, old.y, nullptr);
}

// The parent's background under a child, in the child's coordinates.
void PaintParentBackground(const Painter& painter, const WindowFacts& facts, HWND child, HDC dc) {
    HWND parent = GetParent(child);
    if (!parent || (GetWindowLongW(child, GWL_STYLE) & WS_CHILD) == 0) {
        RECT r;
        GetClientRect(child, &r);
        FillTile(painter, child, dc, r);
        return;
    }
    POINT at{0, 0};
    MapWindowPoints(child, parent, &at, 1);
    POINT old{};
    OffsetViewportOrgEx(dc, -at.x, -at.y, &old);
    PaintBackground(painter, facts, parent, dc);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

HFONT FontOf(HWND window) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// The window's text, cut at the buffer's size: captions here are short.
int TextOf(HWND window, wchar_t (&text)[512]) {
    text[0] = 0;
    return GetWindowTextW(window, text, 512);
}

// The text colour the control's parent asks for: the program's own colour
// when it sets one, the skin's otherwise (the parent, if skinned, answers so).
COLORREF AskedTextColour(const Painter& painter, const WindowFacts& facts, HWND control,
                         UINT message, HDC dc) {
    HWND parent = GetParent(control);
    Kind kind;
    if (!parent || !facts.IsSkinned(parent, kind)) {
        return DefaultTextColour(painter, control);
    }
    SendMessageW(parent, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    return GetTextColor(dc);
}

bool InMessageBox(HWND control) {
    wchar_t name[8];
    return GetClassNameW(GetAncestor(control, GA_ROOT), name, 8) == 6 &&
           lstrcmpW(name, L"#32770") == 0;
}

// The group box's frame and title in its own coordinates.
void PaintGroupFrame(const Painter& painter, const WindowFacts& facts, HWND group, HDC dc,
                     bool withText) {
    const Look& look = painter.look;
    RECT client;
    GetClientRect(group, &client);
    wchar_t text[512];
    const int length = TextOf(group, text);
    HGDIOBJ oldFont = SelectObject(dc, FontOf(group));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SIZE extent{0, 0};
    if (length > 0) {
        RECT measure{0, 0, 0, 0};
        DrawTextW(dc, text, length, &measure, DT_CALCRECT | DT_SINGLELINE);
        extent = {measure.right, measure.bottom};
    }
    const Box& title = look.groupTitle;
    const int titleHeight = metrics.tmHeight + 2 * (title.borderWidth + title.paddingY);
    const int frameTop =
        look.groupBox.Has(Box::HasMarginTop) ? look.groupBox.marginTop : titleHeight / 2;
    RECT frame = client;
    frame.top = std::min<LONG>(frameTop, client.bottom);
    PaintBox(dc, frame, look.groupBox);
    if (length == 0) {
        SelectObject(dc, oldFont);
        return;
    }
    RECT titleBox{title.left, 0, title.left + extent.cx + 2 * (title.paddingX + title.borderWidth),
                  titleHeight};
    PaintBox(dc, titleBox, title);
    if (withText) {
        const COLORREF colour = IsWindowEnabled(group)
                                    ? AskedTextColour(painter, facts, group, WM_CTLCOLORSTATIC, dc)
                                    : ColourRef(look.disabledText);
        RECT textBox = titleBox;
        InflateRect(&textBox, -(title.paddingX + title.borderWidth), -title.borderWidth);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, colour);
        DrawTextW(dc, text, length, &textBox, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    }
    SelectObject(dc, oldFont);
}

bool IsGroupBox(HWND button) {
    return (GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// Children drawn over the group box keep their pixels when it paints.
void ExcludeChildren(HWND window, HDC dc) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) {
            continue;
        }
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
}

void DrawImage(HWND button, HDC dc, const RECT& r) {
    const LONG style = GetWindowLongW(button, GWL_STYLE);
    if (style & BS_ICON) {
        HICON icon = reinterpret_cast<HICON>(SendMessageW(button, BM_GETIMAGE, IMAGE_ICON, 0));
        ICONINFO info{};
        if (icon && GetIconInfo(icon, &info)) {
            BITMAP bm{};
            GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bm), &bm);
            const int h = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
            if (info.hbmColor) DeleteObject(info.hbmColor);
            if (info.hbmMask) DeleteObject(info.hbmMask);
            DrawIconEx(dc, (r.left + r.right - bm.bmWidth) / 2, (r.top + r.bottom - h) / 2, icon, 0,
                       0, 0, nullptr, DI_NORMAL);
        }
        return;
    }
    HBITMAP image = reinterpret_cast<HBITMAP>(SendMessageW(button, BM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP bm{};
    if (!image || !GetObjectW(image, sizeof(bm), &bm)) {
        return;
    }
    HDC source = CreateCompatibleDC(dc);
    if (!source) {
        return;
    }
    HGDIOBJ old = SelectObject(source, image);
    // the picture's top-left colour is its background: the face shows there
    TransparentBlt(dc, (r.left + r.right - bm.bmWidth) / 2, (r.top + r.bottom - bm.bmHeight) / 2,
                   bm.bmWidth, bm.bmHeight, source, 0, 0, bm.bmWidth, bm.bmHeight,
                   GetPixel(source, 0, 0));
    SelectObject(source, old);
    DeleteDC(source);
}

UINT ButtonTextFormat(LONG style) {
    UINT format = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    switch (style & BS_CENTER) {
        case BS_LEFT:
            format |= DT_LEFT;
            break;
        case BS_RIGHT:
            format |= DT_RIGHT;
            break;
        default:
            format |= DT_CENTER;
            break;
    }
    return format;
}

// Text centred vertically in r, wrapped or on one line as the format says.
void DrawTextIn(HDC dc, const wchar_t* text, int length, RECT r, UINT format, bool centre) {
    if (centre) {
        RECT measure = r;
        DrawTextW(dc, text, length, &measure, format | DT_CALCRECT);
        const int height = measure.bottom - measure.top;
        r.top += ((r.bottom - r.top) - height) / 2;
        r.bottom = r.top + height;
    }
    DrawTextW(dc, text, length, &r, format);
}

void PaintPushButton(const Painter& painter, const WindowFacts& facts, HWND button, HDC dc,
                     const RECT& client) {
    const LONG style = GetWindowLongW(button, GWL_STYLE);
    const bool enabled = IsWindowEnabled(button);
    const LRESULT state = SendMessageW(button, BM_GETSTATE, 0, 0);
    ButtonState shown = !enabled               ? ButtonState::Disabled
                        : (state & BST_PUSHED) ? ButtonState::Pressed
                        : facts.IsHot(button)  ? ButtonState::Hover
                                               : ButtonState::Normal;
    const Box* boxes = (style & BS_FLAT) ? painter.look.flatButton : painter.look.button;
    Box box = boxes[static_cast<std::size_t>(shown)];
    if (enabled && GetFocus() == button && shown != ButtonState::Pressed) {
        box.borderColour = painter.look.focusBorder;
    }
    PaintBox(dc, client, box);
    RECT inside = client;
    InflateRect(&inside, -(box.borderWidth + 2), -(box.borderWidth + 1));
    if (style & (BS_BITMAP | BS_ICON)) {
        DrawImage(button, dc, inside);
        return;
    }
    wchar_t text[512];
    const int length = TextOf(button, text);
    if (length == 0) {
        return;
    }
    HGDIOBJ oldFont = SelectObject(dc, FontOf(button));
    SetBkMode(dc, TRANSPARENT);
    COLORREF colour = ColourRef(box.text);
    if (enabled) {
        // a colour the program sets for its buttons stays theirs
        const COLORREF asked = AskedTextColour(painter, facts, button, WM_CTLCOLORBTN, dc);
        if (asked != DefaultTextColour(painter, button)) {
            colour = asked;
        }
    }
    SetTextColor(dc, colour);
    const UINT format = ButtonTextFormat(style);
    const bool oneLine = (format & DT_SINGLELINE) != 0;
    DrawTextIn(dc, text, length, inside, oneLine ? format | DT_VCENTER : format, !oneLine);
    SelectObject(dc, oldFont);
}

}  // namespace

COLORREF ColourRef(std::uint32_t argb) {
    return RGB(argb >> 16 & 0xFF, argb >> 8 & 0xFF, argb & 0xFF);
}

bool Painter::Make() {
    const std::uint32_t window = look.Colour(PaletteRole::Window) | 0xFF000000u;
    if (look.tile) {
        // A packed DIB, which the brush copies: the brush is the only object held.
        const Tile& tile = *look.tile;
        const std::size_t count = std::size_t{tile.width} * tile.height;
        std::vector<std::uint8_t> packed(sizeof(BITMAPINFOHEADER) + count * 4);
        auto* header = reinterpret_cast<BITMAPINFOHEADER*>(packed.data());
        header->biSize = sizeof(BITMAPINFOHEADER);
        header->biWidth = tile.width;
        header->biHeight = tile.height;  // bottom up: not every brush takes a top-down DIB
        header->biPlanes = 1;
        header->biBitCount = 32;
        auto* pixels = reinterpret_cast<std::uint32_t*>(packed.data() + sizeof(BITMAPINFOHEADER));
        for (std::size_t y = 0; y < tile.height; ++y) {
            const std::uint32_t* row = tile.argb.data() + (tile.height - 1 - y) * tile.width;
            for (std::size_t x = 0; x < tile.width; ++x) {
                pixels[y * tile.width + x] = Over(row[x], window) & 0xFFFFFFu;
            }
        }
        tileBrush = CreateDIBPatternBrushPt(packed.data(), DIB_RGB_COLORS);
        tileWidth = tile.width;
        tileHeight = tile.height;
    } else {
        tileBrush = CreateSolidBrush(ColourRef(window));
    }
    const Box& group = look.groupBox;
    groupBrush = CreateSolidBrush(ColourRef(Over(group.fill.ColourAt(0.5f), window)));
    if (!tileBrush || !groupBrush) {
        Release();
        return false;
    }
    return true;
}

void Painter::Release() {
    if (tileBrush) DeleteObject(tileBrush);
    if (groupBrush) DeleteObject(groupBrush);
    tileBrush = groupBrush = nullptr;
}

void PaintBackground(const Painter& painter, const WindowFacts& facts, HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    Kind kind;
    if (!facts.IsSkinned(window, kind)) {
        // Not ours: its class's own background, as the system would erase it.
        auto brush = reinterpret_cast<HBRUSH>(GetClassLongPtrW(window, GCLP_HBRBACKGROUND));
        if (reinterpret_cast<UINT_PTR>(brush) > 0 &&
            reinterpret_cast<UINT_PTR>(brush) <= COLOR_MENUBAR + 1) {
            brush = GetSysColorBrush(static_cast<int>(reinterpret_cast<UINT_PTR>(brush)) - 1);
        }
        FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    if (kind == Kind::TopLevel) {
        FillTile(painter, window, dc, client);
        return;
    }
    PaintParentBackground(painter, facts, window, dc);
    if (kind == Kind::Button && IsGroupBox(window)) {
        PaintGroupFrame(painter, facts, window, dc, false);
    }
}

HBRUSH ControlBrush(const Painter& painter, const WindowFacts& facts, HWND parent, HWND control,
                    HDC dc) {
    Kind kind;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, DefaultTextColour(painter, control));
    if (facts.IsSkinned(parent, kind) && kind == Kind::Button) {
        return painter.groupBrush;
    }
    AlignTile(painter, control, dc);
    return painter.tileBrush;
}

COLORREF DefaultTextColour(const Painter& painter, HWND control) {
    const Look& look = painter.look;
    if (!IsWindowEnabled(control)) {
        return ColourRef(look.disabledText);
    }
    wchar_t name[8];
    const int length = GetClassNameW(control, name, 8);
    if (length == 6 && lstrcmpiW(name, L"Button") == 0) {
        const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
        if (type == BS_GROUPBOX) {
            return ColourRef(look.groupTitle.Has(Box::HasText) ? look.groupTitle.text
                                                               : look.groupBox.text);
        }
        if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
            return ColourRef(look.button[0].text);
        }
    } else if (length == 6 && lstrcmpiW(name, L"Static") == 0) {
        return ColourRef(InMessageBox(control) ? look.messageText.text : look.label.text);
    }
    return ColourRef(look.Colour(PaletteRole::WindowText));
}

bool PaintsButton(HWND button) {
    switch (GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
        case BS_GROUPBOX:
            return true;
        default:
            return false;
    }
}

bool PaintsStatic(HWND label) {
    switch (GetWindowLongW(label, GWL_STYLE) & SS_TYPEMASK) {
        case SS_LEFT:
        case SS_CENTER:
        case SS_RIGHT:
        case SS_SIMPLE:
        case SS_LEFTNOWORDWRAP:
            return true;
        default:
            return false;
    }
}

void PaintButton(const Painter& painter, const WindowFacts& facts, HWND button, HDC target) {
    RECT client;
    GetClientRect(button, &client);
    Buffer buffer(target, client.right, client.bottom);
    if (!buffer.Ready()) {
        return;
    }
    PaintParentBackground(painter, facts, button, buffer.Dc());
    if (IsGroupBox(button)) {
        PaintGroupFrame(painter, facts, button, buffer.Dc(), true);
        const int saved = SaveDC(target);
        ExcludeChildren(button, target);
        buffer.CopyOut();
        RestoreDC(target, saved);
        return;
    }
    PaintPushButton(painter, facts, button, buffer.Dc(), client);
    buffer.CopyOut();
}

void PaintStatic(const Painter& painter, const WindowFacts& facts, HWND label, HDC target) {
    RECT client;
    GetClientRect(label, &client);
    Buffer buffer(target, client.right, client.bottom);
    if (!buffer.Ready()) {
        return;
    }
    HDC dc = buffer.Dc();
    PaintParentBackground(painter, facts, label, dc);
    const LONG style = GetWindowLongW(label, GWL_STYLE);
    const LONG type = style & SS_TYPEMASK;
    const bool wraps = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
    const Box* box = nullptr;
    if (wraps) {
        box = InMessageBox(label) ? &painter.look.messageText : &painter.look.label;
        PaintBox(dc, client, *box);
    }
    wchar_t text[512];
    const int length = TextOf(label, text);
    if (length > 0) {
        HGDIOBJ oldFont = SelectObject(dc, FontOf(label));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, IsWindowEnabled(label)
                             ? AskedTextColour(painter, facts, label, WM_CTLCOLORSTATIC, dc)
                             : ColourRef(painter.look.disabledText));
        UINT format = DT_EXPANDTABS;
        format |= type == SS_CENTER ? DT_CENTER : type == SS_RIGHT ? DT_RIGHT : DT_LEFT;
        format |= wraps ? DT_WORDBREAK : 0;
        format |= type == SS_SIMPLE ? DT_SINGLELINE : 0;
        format |= (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
        format |= (style & SS_EDITCONTROL) ? DT_EDITCONTROL : 0;
        RECT inside = client;
        if (box && box->borderWidth > 0 && (box->borderColour >> 24) != 0) {
            InflateRect(&inside, -box->borderWidth, -box->borderWidth);
        }
        const bool centre = (style & SS_CENTERIMAGE) != 0;
        DrawTextIn(dc, text, length, inside,
                   centre ? (format & ~DT_WORDBREAK) | DT_SINGLELINE : format, centre);
        SelectObject(dc, oldFont);
    }
    buffer.CopyOut();
}

}  // namespace dorvane::skin
