#include "skin_windows.h"

#include <vector>

namespace dorvane::skin {
namespace {

struct Skinned {
    HWND window;
    WNDPROC previous;
    Kind kind;
    bool unicode;  // its procedure was swapped with the W calls, so messages come as W
    bool hot;      // the mouse is over it
};

// Windows whose procedure is ours. Messages can nest (a paint asks the parent
// for colours, a creation inside a message adds a window), so entries are
// looked up afresh after every call out.
std::vector<Skinned> skinned;
Painter* painter = nullptr;
HHOOK hook = nullptr;
DWORD thread = 0;
bool pinned = false;

int Find(HWND window) {
    for (std::size_t i = 0; i < skinned.size(); ++i) {
        if (skinned[i].window == window) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

struct Facts final : WindowFacts {
    bool IsSkinned(HWND window, Kind& kind) const override {
        const int i = Find(window);
        if (i < 0) {
            return false;
        }
        kind = skinned[i].kind;
        return true;
    }
    bool IsHot(HWND window) const override {
        const int i = Find(window);
        return i >= 0 && skinned[i].hot;
    }
};
const Facts facts;

HMODULE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

LRESULT CALLBACK SkinProcA(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK SkinProcW(HWND, UINT, WPARAM, LPARAM);

LONG_PTR OurProc(bool unicode) {
    return unicode ? reinterpret_cast<LONG_PTR>(&SkinProcW)
                   : reinterpret_cast<LONG_PTR>(&SkinProcA);
}

LONG_PTR CurrentProc(HWND window, bool unicode) {
    return unicode ? GetWindowLongPtrW(window, GWLP_WNDPROC)
                   : GetWindowLongPtrA(window, GWLP_WNDPROC);
}

LONG_PTR SwapProc(HWND window, bool unicode, LONG_PTR proc) {
    return unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, proc)
                   : SetWindowLongPtrA(window, GWLP_WNDPROC, proc);
}

bool IsClass(HWND window, const wchar_t* name) {
    wchar_t found[16];
    return GetClassNameW(window, found, 16) > 0 && lstrcmpiW(found, name) == 0;
}

// Which windows wear the skin, by their style at creation.
bool KindFor(HWND window, LONG style, HWND parent, Kind& kind) {
    if ((style & WS_CHILD) == 0) {
        kind = Kind::TopLevel;
        return (style & WS_CAPTION) == WS_CAPTION || IsClass(window, L"#32770");
    }
    const int root = Find(GetAncestor(parent, GA_ROOT));
    if (root < 0 || skinned[root].kind != Kind::TopLevel) {
        return false;
    }
    if (IsClass(window, L"Button")) {
        kind = Kind::Button;
        return true;
    }
    if (IsClass(window, L"Static")) {
        kind = Kind::Static;
        return true;
    }
    return false;
}

void Subclass(HWND window, Kind kind) {
    if (Find(window) >= 0) {
        return;
    }
    const bool unicode = IsWindowUnicode(window) != FALSE;
    skinned.push_back({window, nullptr, kind, unicode, false});
    const LONG_PTR previous = SwapProc(window, unicode, OurProc(unicode));
    const int i = Find(window);
    if (previous == 0) {
        skinned.erase(skinned.begin() + i);
        return;
    }
    skinned[i].previous = reinterpret_cast<WNDPROC>(previous);
}

void SubclassIfSkinned(HWND window) {
    Kind kind;
    if (KindFor(window, GetWindowLongW(window, GWL_STYLE), GetParent(window), kind)) {
        Subclass(window, kind);
    }
}

BOOL CALLBACK TakeChild(HWND window, LPARAM) {
    SubclassIfSkinned(window);
    return TRUE;
}

BOOL CALLBACK TakeTopLevel(HWND window, LPARAM) {
    SubclassIfSkinned(window);
    if (Find(window) >= 0) {
        EnumChildWindows(window, TakeChild, 0);
    }
    return TRUE;
}

LRESULT CALLBACK WatchCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && painter) {
        HWND window = reinterpret_cast<HWND>(wParam);
        const CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        Kind kind;
        if (KindFor(window, create->style, create->hwndParent, kind)) {
            Subclass(window, kind);
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

void RedrawWhole(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// After a message the control's own code answered by drawing itself directly.
void RedrawNow(HWND window) {
    if (IsWindowVisible(window)) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
    }
}

bool ChangesLook(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_CAPTURECHANGED:
        case WM_ENABLE:
        case WM_SETTEXT:
        case WM_SETFONT:
        case WM_UPDATEUISTATE:
        case WM_SYSCOLORCHANGE:
        case BM_SETSTATE:
        case BM_SETSTYLE:
        case BM_SETCHECK:
        case BM_SETIMAGE:
        case BM_CLICK:
            return true;
        default:
            return false;
    }
}

struct Message {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool unicode;
    WNDPROC previous;

    LRESULT Pass() const {
        return unicode ? CallWindowProcW(previous, window, message, wParam, lParam)
                       : CallWindowProcA(previous, window, message, wParam, lParam);
    }
    LRESULT Default() const {
        return unicode ? DefWindowProcW(window, message, wParam, lParam)
                       : DefWindowProcA(window, message, wParam, lParam);
    }
};

// A parent's answer for a control's colours: the program's own when it gives
// one (it answers differently from the default), the skin's otherwise.
LRESULT OnControlColour(const Message& m) {
    HDC dc = reinterpret_cast<HDC>(m.wParam);
    const LRESULT plain = m.Default();
    const COLORREF plainText = GetTextColor(dc);
    const LRESULT own = m.Pass();
    if (own != plain || GetTextColor(dc) != plainText) {
        return own;
    }
    HWND control = m.message == WM_CTLCOLORDLG ? m.window : reinterpret_cast<HWND>(m.lParam);
    return reinterpret_cast<LRESULT>(ControlBrush(*painter, facts, m.window, control, dc));
}

template <typename Paint>
LRESULT OnPaint(const Message& m, Paint paint) {
    if (m.message == WM_PRINTCLIENT || (m.message == WM_PAINT && m.wParam != 0)) {
        paint(*painter, facts, m.window, reinterpret_cast<HDC>(m.wParam));
        return 0;
    }
    PAINTSTRUCT ps;
    if (HDC dc = BeginPaint(m.window, &ps)) {
        paint(*painter, facts, m.window, dc);
        EndPaint(m.window, &ps);
    }
    return 0;
}

LRESULT OnTopLevel(const Message& m) {
    switch (m.message) {
        case WM_ERASEBKGND:
            PaintBackground(*painter, facts, m.window, reinterpret_cast<HDC>(m.wParam));
            return 1;
        case WM_PRINTCLIENT:
            if (m.lParam & PRF_ERASEBKGND) {
                PaintBackground(*painter, facts, m.window, reinterpret_cast<HDC>(m.wParam));
            }
            return m.Pass();
        default:
            return m.Pass();
    }
}

LRESULT OnControl(const Message& m, bool (*paints)(HWND),
                  void (*paint)(const Painter&, const WindowFacts&, HWND, HDC)) {
    if (!paints(m.window)) {
        return m.Pass();
    }
    switch (m.message) {
        case WM_PAINT:
        case WM_PRINTCLIENT:
            return OnPaint(m, paint);
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE:
        case WM_MOUSELEAVE: {
            const bool hot = m.message == WM_MOUSEMOVE;
            int i = Find(m.window);
            const bool changed = skinned[i].hot != hot;
            skinned[i].hot = hot;
            if (changed && hot) {
                TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m.window, 0};
                TrackMouseEvent(&track);
            }
            const LRESULT pushed = SendMessageW(m.window, BM_GETSTATE, 0, 0) & BST_PUSHED;
            const LRESULT result = m.Pass();
            if (changed || pushed != (SendMessageW(m.window, BM_GETSTATE, 0, 0) & BST_PUSHED)) {
                RedrawNow(m.window);
            }
            return result;
        }
        default: {
            const LRESULT result = m.Pass();
            if (ChangesLook(m.message)) {
                RedrawNow(m.window);
            }
            return result;
        }
    }
}

LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool unicode) {
    const int i = Find(window);
    if (i < 0) {  // cannot happen: our procedure is set only with its entry
        return unicode ? DefWindowProcW(window, message, wParam, lParam)
                       : DefWindowProcA(window, message, wParam, lParam);
    }
    const Message m{window, message, wParam, lParam, unicode, skinned[i].previous};
    const Kind kind = skinned[i].kind;
    if (message == WM_NCDESTROY) {
        if (CurrentProc(window, unicode) == OurProc(unicode)) {
            SwapProc(window, unicode, reinterpret_cast<LONG_PTR>(m.previous));
        }
        skinned.erase(skinned.begin() + i);
        return m.Pass();
    }
    if (!pinned && CurrentProc(window, unicode) != OurProc(unicode)) {
        // Someone subclassed the window after us: our procedure can no longer
        // be taken out of its chain, so this code must stay loaded.
        HMODULE module;
        pinned = GetModuleHandleExW(
                     GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                     reinterpret_cast<LPCWSTR>(&ThisModule), &module) != FALSE;
    }
    if (!painter) {  // taken off, but left in a chain it could not leave
        return m.Pass();
    }
    switch (message) {
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
            return OnControlColour(m);
        default:
            break;
    }
    switch (kind) {
        case Kind::TopLevel:
            return OnTopLevel(m);
        case Kind::Button:
            return OnControl(m, PaintsButton, PaintButton);
        case Kind::Static:
            return OnControl(m, PaintsStatic, PaintStatic);
    }
    return m.Pass();
}

LRESULT CALLBACK SkinProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Handle(window, message, wParam, lParam, false);
}

LRESULT CALLBACK SkinProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Handle(window, message, wParam, lParam, true);
}

}  // namespace

bool InstallSkin(Painter* made) {
    const DWORD self = GetCurrentThreadId();
    hook = SetWindowsHookExW(WH_CBT, WatchCreation, ThisModule(), self);
    if (!hook) {
        made->Release();
        delete made;
        return false;
    }
    painter = made;
    thread = self;
    EnumThreadWindows(self, TakeTopLevel, 0);
    for (const Skinned& s : skinned) {
        if (s.kind == Kind::TopLevel) {
            RedrawWhole(s.window);
        }
    }
    return true;
}

void SwapPainter(Painter* made) {
    painter->Release();
    delete painter;
    painter = made;
    for (const Skinned& s : skinned) {
        if (s.kind == Kind::TopLevel) {
            RedrawWhole(s.window);
        }
    }
}

DWORD SkinThread() {
    return painter ? thread : 0;
}

bool RemoveSkin() {
    if (!painter) {
        return false;
    }
    UnhookWindowsHookEx(hook);
    hook = nullptr;
    std::vector<HWND> redraw;
    for (std::size_t i = skinned.size(); i-- > 0;) {
        const Skinned s = skinned[i];
        if (s.kind == Kind::TopLevel) {
            redraw.push_back(s.window);
        }
        if (CurrentProc(s.window, s.unicode) == OurProc(s.unicode)) {
            SwapProc(s.window, s.unicode, reinterpret_cast<LONG_PTR>(s.previous));
            skinned.erase(skinned.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    painter->Release();
    delete painter;
    painter = nullptr;
    thread = 0;
    for (HWND window : redraw) {
        RedrawWhole(window);
    }
    return true;
}

}  // namespace dorvane::skin
