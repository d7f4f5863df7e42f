#include "platform/win32/win32_controls.h"

#include <windowsx.h>

#include <memory>
#include <string>

#include "layout/embedded_pictures.h"
#include "pictures/jpeg_decoder.h"
#include "platform/win32/browser_pane.h"
#include "platform/win32/win32_pictures.h"

namespace dorvane {
namespace {

constexpr char PictureBoxClass[] = "DorvanePictureBox";
constexpr char WhitePaneClass[] = "DorvaneWhitePane";

// ---- group boxes: the notifications of their children go to the window

LRESULT CALLBACK GroupBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    // the BUTTON class's own procedure, kept in the box's user data
    const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(box, GWLP_USERDATA));
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
            return SendMessageA(GetParent(box), message, wParam, lParam);
        case WM_ERASEBKGND: {
            // a group box paints frame and caption only; what lies inside is ours
            RECT inside;
            GetClientRect(box, &inside);
            FillRect(reinterpret_cast<HDC>(wParam), &inside, GetSysColorBrush(COLOR_BTNFACE));
            return TRUE;
        }
        case WM_NCDESTROY:
            SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
            break;
        default:
            break;
    }
    return CallWindowProcA(previous, box, message, wParam, lParam);
}

// ---- picture boxes: a thumbnail, a press

struct PictureBox {
    const ControlLayout* row;
    const PressHandler* onPress;
    Image picture;  // decoded on first paint
    bool decoded = false;
};

PictureBox* PictureBoxOf(HWND box) {
    return reinterpret_cast<PictureBox*>(GetWindowLongPtrA(box, GWLP_USERDATA));
}

void PictureBox_OnPaint(HWND box) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(box, &paint);
    RECT inside;
    GetClientRect(box, &inside);
    PictureBox* state = PictureBoxOf(box);
    if (state != nullptr && !state->decoded) {
        state->decoded = true;
        // full size, then halftone stretching: the JPEG's own scaling to
        // these small boxes is no faster (bench/thumbnails_bench.cpp)
        state->picture = DecodeJpeg(state->row->image.bytes);
    }
    if (state == nullptr || state->picture.IsNull()) {
        FillRect(dc, &inside, GetSysColorBrush(COLOR_BTNFACE));
    } else {
        StretchImage(dc, inside, state->picture);
    }
    EndPaint(box, &paint);
}

void PictureBox_OnLButtonDown(HWND box, BOOL doubleClick, int, int, UINT) {
    // the second press of a double click does nothing: one navigation
    if (doubleClick) return;
    if (PictureBox* state = PictureBoxOf(box); state != nullptr && state->onPress != nullptr) {
        (*state->onPress)(*state->row);
    }
}

BOOL PictureBox_OnEraseBkgnd(HWND, HDC) {
    return TRUE;  // the paint covers every pixel
}

void PictureBox_OnNCDestroy(HWND box) {
    delete PictureBoxOf(box);
    SetWindowLongPtrA(box, GWLP_USERDATA, 0);
}

BOOL PictureBox_OnNCCreate(HWND box, LPCREATESTRUCTA create) {
    SetWindowLongPtrA(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    return TRUE;
}

LRESULT CALLBACK PictureBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(box, WM_NCCREATE, PictureBox_OnNCCreate);
        HANDLE_MSG(box, WM_PAINT, PictureBox_OnPaint);
        HANDLE_MSG(box, WM_ERASEBKGND, PictureBox_OnEraseBkgnd);
        HANDLE_MSG(box, WM_LBUTTONDOWN, PictureBox_OnLButtonDown);
        HANDLE_MSG(box, WM_LBUTTONDBLCLK, PictureBox_OnLButtonDown);
        HANDLE_MSG(box, WM_NCDESTROY, PictureBox_OnNCDestroy);
        default:
            return DefWindowProcA(box, message, wParam, lParam);
    }
}

bool RegisterOnce(const char* name, WNDPROC procedure, UINT style, HBRUSH background) {
    WNDCLASSEXA known{};
    known.cbSize = sizeof(known);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (GetClassInfoExA(instance, name, &known)) return true;
    WNDCLASSEXA type{};
    type.cbSize = sizeof(type);
    type.style = style;
    type.lpfnWndProc = procedure;
    type.hInstance = instance;
    type.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    type.hbrBackground = background;
    type.lpszClassName = name;
    return RegisterClassExA(&type) != 0;
}

// ---- one maker per kind, in ControlKind's order

DWORD CommonStyle(const ControlLayout& row) {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    if (!row.enabled) style |= WS_DISABLED;
    if (row.tabStop) style |= WS_TABSTOP;
    return style;
}

HWND Create(const ControlLayout& row, HWND parent, int id, const char* className, DWORD style,
            void* param) {
    const std::string text(row.text);
    return CreateWindowExA(0, className, text.c_str(), CommonStyle(row) | style, row.left, row.top,
                           row.width, row.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), param);
}

void UseGuiFont(HWND control) {
    SetWindowFont(control, GetStockObject(DEFAULT_GUI_FONT), FALSE);
}

HWND MakeGroupBox(const ControlLayout& row, HWND parent, int id) {
    const DWORD caption = row.settings.captionLeft ? BS_LEFT : BS_CENTER;
    HWND box = Create(row, parent, id, "BUTTON", BS_GROUPBOX | caption, nullptr);
    if (box == nullptr) return nullptr;
    UseGuiFont(box);
    const LONG_PTR previous =
        SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GroupBoxProc));
    SetWindowLongPtrA(box, GWLP_USERDATA, previous);
    return box;
}

HWND MakePictureBox(const ControlLayout& row, HWND parent, int id, const PressHandler* onPress) {
    if (!RegisterOnce(PictureBoxClass, PictureBoxProc, CS_DBLCLKS, nullptr)) return nullptr;
    auto state = std::make_unique<PictureBox>(PictureBox{&row, onPress, {}, false});
    HWND box =
        Create(row, parent, id, PictureBoxClass, row.settings.border ? WS_BORDER : 0, state.get());
    if (box != nullptr) state.release();  // the box owns it now
    return box;
}

HWND MakeLabel(const ControlLayout& row, HWND parent, int id) {
    // SS_LEFT wraps words and starts at the top edge
    HWND label = Create(row, parent, id, "STATIC", SS_LEFT | SS_NOPREFIX, nullptr);
    if (label != nullptr) UseGuiFont(label);
    return label;
}

HWND MakePushButton(const ControlLayout& row, HWND parent, int id) {
    DWORD style = row.settings.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    if (row.settings.multiline) style |= BS_MULTILINE;
    HWND button = Create(row, parent, id, "BUTTON", style, nullptr);
    if (button != nullptr) UseGuiFont(button);
    return button;
}

HWND MakeBrowserPane(const ControlLayout& row, HWND parent, int id) {
    HWND pane =
        CreateBrowserPane(parent, row.left, row.top, row.width, row.height, row.settings.pane);
    if (pane == nullptr) {
        // no WebBrowser control on this system: a white window holds the place
        if (!RegisterOnce(WhitePaneClass, DefWindowProcA, 0,
                          static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)))) {
            return nullptr;
        }
        pane = Create(row, parent, id, WhitePaneClass, 0, nullptr);
        if (pane == nullptr) return nullptr;
    }
    ShowWindow(pane, SW_HIDE);
    SetWindowLongPtrA(pane, GWLP_ID, id);
    return pane;
}

HWND MakeImageButton(const ControlLayout& row, HWND parent, int id) {
    return Create(row, parent, id, "BUTTON", BS_OWNERDRAW, nullptr);
}

}  // namespace

HWND MakeControl(const ControlLayout& row, HWND parent, int id, const PressHandler* onPress) {
    switch (row.kind) {
        case ControlKind::GroupBox:
            return MakeGroupBox(row, parent, id);
        case ControlKind::PictureBox:
            return MakePictureBox(row, parent, id, onPress);
        case ControlKind::Label:
            return MakeLabel(row, parent, id);
        case ControlKind::PushButton:
            return MakePushButton(row, parent, id);
        case ControlKind::BrowserPane:
            return MakeBrowserPane(row, parent, id);
        case ControlKind::ImageButton:
            return MakeImageButton(row, parent, id);
    }
    return nullptr;
}

bool IsBrowserPane(HWND control) {
    return PaneWebBrowser(control) != nullptr;
}

void DrawImageButton(const DRAWITEMSTRUCT& item, const Image& picture, bool border) {
    HDC dc = item.hDC;
    RECT face = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
    if (border) {
        // flat: one line, pushed in while pressed; never a focus rectangle
        FrameRect(dc, &face, GetSysColorBrush(pressed ? COLOR_BTNTEXT : COLOR_BTNSHADOW));
    }
    if (picture.IsNull()) return;
    const int x = face.left + (face.right - face.left - picture.width) / 2 + (pressed ? 1 : 0);
    const int y = face.top + (face.bottom - face.top - picture.height) / 2 + (pressed ? 1 : 0);
    BlendImage(dc, x, y, picture);
}

}  // namespace dorvane
