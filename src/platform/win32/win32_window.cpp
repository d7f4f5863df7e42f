#include "platform/win32/win32_window.h"

#include <shellapi.h>
#include <windowsx.h>

#include <cstring>
#include <string>

#include "platform/win32/browser_pane.h"
#include "platform/win32/win32_pictures.h"

namespace dorvane {
namespace {

constexpr char MainWindowClass[] = "DorvaneMainWindow";
constexpr UINT TrayIconId = 1;
constexpr int FirstControlId = 1000;

struct KeyOfWindows {
    WPARAM virtualKey;
    Key key;
};

constexpr KeyOfWindows Keys[] = {
    {VK_ESCAPE, Key::Escape}, {VK_TAB, Key::Tab}, {VK_RETURN, Key::Enter}, {VK_F1, Key::F1}};

Key KeyOf(WPARAM virtualKey) {
    for (const KeyOfWindows& entry : Keys) {
        if (entry.virtualKey == virtualKey) return entry.key;
    }
    return Key::Other;
}

// GBK text cut to fit `size` bytes with its terminating zero, never inside
// a two-byte character
void CopyGbk(char* target, std::size_t size, std::string_view text) {
    std::size_t length = 0;
    while (length < text.size()) {
        const auto byte = static_cast<unsigned char>(text[length]);
        const std::size_t step = byte >= 0x81 && byte <= 0xFE ? 2 : 1;
        if (length + step > text.size() || length + step >= size) break;
        length += step;
    }
    std::memcpy(target, text.data(), length);
    target[length] = '\0';
}

DWORD StyleOf(const WindowSettings& settings) {
    DWORD style = WS_OVERLAPPED | WS_CAPTION;
    if (settings.systemMenu) style |= WS_SYSMENU;
    if (settings.minimiseButton) style |= WS_MINIMIZEBOX;
    if (settings.maximiseButton) style |= WS_MAXIMIZEBOX;
    if (settings.clipChildren) style |= WS_CLIPCHILDREN;
    if (!settings.fixedFrame) style |= WS_THICKFRAME;
    return style;
}

}  // namespace

Win32Window::Win32Window()
    : onPress_([this](const ControlLayout& row) {
          if (events_ != nullptr) events_->ControlEvent(row);
      }) {}

Win32Window::~Win32Window() {
    if (window_ != nullptr) DestroyWindow(window_);
    // the class holds the icons until no window of it is left
    UnregisterClassA(MainWindowClass, GetModuleHandleA(nullptr));
    DestroyIcons();
}

Size Win32Window::PrimaryScreenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool Win32Window::CreateMainWindow(const WindowSettings& settings, Point place,
                                   MainWindowEvents& events) {
    if (window_ != nullptr) return false;  // the program has one window
    settings_ = &settings;
    events_ = &events;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    DestroyIcons();
    largeIcon_ = IconFromIconFile(settings.icon.bytes, 32);
    smallIcon_ = IconFromIconFile(settings.icon.bytes, 16);

    WNDCLASSEXA type{};
    type.cbSize = sizeof(type);
    type.lpfnWndProc = WindowProc;
    type.hInstance = instance;
    type.hIcon = largeIcon_;
    type.hIconSm = smallIcon_;
    type.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    type.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    type.lpszClassName = MainWindowClass;
    if (RegisterClassExA(&type) == 0) return false;

    const std::string caption(settings.caption);
    // hidden until the start sequence shows it; the frame's outer size as given
    CreateWindowExA(0, MainWindowClass, caption.c_str(), StyleOf(settings), place.x, place.y,
                    settings.outerSize.width, settings.outerSize.height, nullptr, nullptr, instance,
                    this);
    if (window_ == nullptr) {
        UnregisterClassA(MainWindowClass, instance);
        return false;
    }
    return true;
}

bool Win32Window::CreateControl(const ControlLayout& row) {
    if (window_ == nullptr || Find(row.name) != nullptr) return false;
    HWND parent = window_;
    if (!row.parent.empty()) {
        const Control* box = Find(row.parent);
        if (box == nullptr) return false;
        parent = box->handle;
    }
    const int id = FirstControlId + static_cast<int>(controls_.size());
    HWND control = MakeControl(row, parent, id, &onPress_);
    if (control == nullptr) return false;
    if (row.kind == ControlKind::ImageButton && imageButtonPicture_.IsNull()) {
        imageButtonPicture_ = GifFirstFrame(row.image.bytes);
        if (row.settings.transparentFromTopLeft) ClearTopLeftColour(imageButtonPicture_);
    }
    controls_.push_back({&row, control});
    return true;
}

void Win32Window::RaiseControl(std::string_view name) {
    if (const Control* control = Find(name)) {
        SetWindowPos(control->handle, HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void Win32Window::SetControlShown(std::string_view name, bool shown) {
    if (const Control* control = Find(name)) {
        ::ShowWindow(control->handle, shown ? SW_SHOWNA : SW_HIDE);
    }
}

bool Win32Window::ControlShowsNow(std::string_view name) {
    const Control* control = Find(name);
    if (control == nullptr) return false;
    // its own flag and its parents' up to the window, whose own state is aside
    for (HWND handle = control->handle; handle != nullptr && handle != window_;
         handle = GetParent(handle)) {
        if ((GetWindowLongPtrA(handle, GWL_STYLE) & WS_VISIBLE) == 0) return false;
    }
    return true;
}

void Win32Window::FocusControl(std::string_view name, FocusCause) {
    // a pane hands the focus on to its control
    if (const Control* control = Find(name)) SetFocus(control->handle);
}

std::string_view Win32Window::FocusedControl() {
    // a pane's control has windows of its own: walk up to a known control
    for (HWND handle = GetFocus(); handle != nullptr && handle != window_;
         handle = GetParent(handle)) {
        if (const Control* control = ControlOf(handle)) return control->row->name;
    }
    return {};
}

void Win32Window::CloseWindow() {
    if (window_ != nullptr) SendMessageA(window_, WM_CLOSE, 0, 0);
}

bool Win32Window::WindowExists() {
    return window_ != nullptr;
}

void Win32Window::ShowWindow() {
    if (window_ == nullptr) return;
    ::ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    SetForegroundWindow(window_);
}

void Win32Window::RunMessageLoop() {
    if (window_ == nullptr) return;
    loopRunning_ = true;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (KeyHook(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    loopRunning_ = false;
}

bool Win32Window::KeyHook(MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    if (window_ == nullptr || events_ == nullptr ||
        (message.hwnd != window_ && !IsChild(window_, message.hwnd))) {
        return false;
    }
    const Key key = KeyOf(message.wParam);
    // a pane's page sees every key but Esc before the window's rules
    if (key != Key::Escape) {
        for (const Control& control : controls_) {
            if (control.row->kind == ControlKind::BrowserPane && FocusIsInPane(control.handle)) {
                if (PaneTranslateAccelerator(control.handle, &message)) return true;
                break;
            }
        }
    }
    const Modifiers modifiers{.shift = GetKeyState(VK_SHIFT) < 0,
                              .ctrl = GetKeyState(VK_CONTROL) < 0,
                              .alt = GetKeyState(VK_MENU) < 0};
    return events_->KeyDown(key, modifiers);
}

std::optional<std::vector<std::uint8_t>> Win32Window::IconFileBytes() {
    if (settings_ == nullptr || window_ == nullptr || settings_->icon.bytes.empty()) {
        return std::nullopt;
    }
    const std::span<const std::uint8_t> icon = settings_->icon.bytes;
    return std::vector<std::uint8_t>(icon.begin(), icon.end());
}

bool Win32Window::SetTrayIcon(std::span<const std::uint8_t> iconFile, std::string_view gbkTip) {
    if (window_ == nullptr) return false;
    HICON icon = IconFromIconFile(iconFile, 16);
    if (icon == nullptr) return false;
    RemoveTrayIcon();
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof(data);
    data.hWnd = window_;
    data.uID = TrayIconId;
    data.uFlags = NIF_ICON | NIF_TIP;  // no message: clicks on it do nothing
    data.hIcon = icon;
    CopyGbk(data.szTip, sizeof(data.szTip), gbkTip);
    if (!Shell_NotifyIconA(NIM_ADD, &data)) {
        DestroyIcon(icon);
        return false;
    }
    trayIcon_ = icon;
    trayShown_ = true;
    return true;
}

void Win32Window::RemoveTrayIcon() {
    if (trayShown_) {
        NOTIFYICONDATAA data{};
        data.cbSize = sizeof(data);
        data.hWnd = window_;
        data.uID = TrayIconId;
        Shell_NotifyIconA(NIM_DELETE, &data);
        trayShown_ = false;
    }
    if (trayIcon_ != nullptr) {
        DestroyIcon(trayIcon_);
        trayIcon_ = nullptr;
    }
}

void Win32Window::ShowNoticeBox(std::string_view gbkCaption, std::string_view gbkText) {
    const std::string caption(gbkCaption);
    const std::string text(gbkText);
    MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_TASKMODAL);
    // a box without an owner gives the activation back to no one in particular
    if (window_ != nullptr && IsWindowVisible(window_)) SetForegroundWindow(window_);
}

void Win32Window::Navigate(std::string_view paneName, std::string_view address) {
    // the white stand-in of a missing control loads nothing
    if (const Control* pane = Find(paneName); pane != nullptr && IsBrowserPane(pane->handle)) {
        NavigatePane(pane->handle, address);
    }
}

HWND Win32Window::ControlHandle(std::string_view name) const {
    const Control* control = Find(name);
    return control ? control->handle : nullptr;
}

const Win32Window::Control* Win32Window::ControlOf(HWND handle) const {
    for (const Control& control : controls_) {
        if (control.handle == handle) return &control;
    }
    return nullptr;
}

const Win32Window::Control* Win32Window::Find(std::string_view name) const {
    for (const Control& control : controls_) {
        if (control.row->name == name) return &control;
    }
    return nullptr;
}

void Win32Window::DestroyIcons() {
    for (HICON* icon : {&largeIcon_, &smallIcon_}) {
        if (*icon != nullptr) DestroyIcon(*icon);
        *icon = nullptr;
    }
}

// ---- the window procedure: a table of message crackers

LRESULT CALLBACK Win32Window::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = static_cast<Win32Window*>(create->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    return self->HandleMessage(window, message, wParam, lParam);
}

LRESULT Win32Window::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(window, WM_COMMAND, this->OnCommand);
        HANDLE_MSG(window, WM_CTLCOLORSTATIC, this->OnCtlColor);
        HANDLE_MSG(window, WM_CTLCOLORBTN, this->OnCtlColor);
        HANDLE_MSG(window, WM_DRAWITEM, this->OnDrawItem);
        HANDLE_MSG(window, WM_ACTIVATE, this->OnActivate);
        HANDLE_MSG(window, WM_CLOSE, this->OnClose);
        HANDLE_MSG(window, WM_DESTROY, this->OnDestroy);
        HANDLE_MSG(window, WM_NCDESTROY, this->OnNCDestroy);
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

void Win32Window::OnCommand(HWND, int, HWND handle, UINT code) {
    const Control* control = handle != nullptr ? ControlOf(handle) : nullptr;
    if (control == nullptr || code != BN_CLICKED || events_ == nullptr) return;
    if (SignalOf(control->row->handler) == ControlSignal::Clicked) {
        events_->ControlEvent(*control->row);
    }
}

HBRUSH Win32Window::OnCtlColor(HWND window, HDC dc, HWND handle, int type) {
    const Control* control = ControlOf(handle);
    if (type == CTLCOLOR_STATIC && control != nullptr && control->row->settings.textColour) {
        // group box captions black, the label red, both over the face colour
        const Rgb text = *control->row->settings.textColour;
        SetTextColor(dc, RGB(text.red, text.green, text.blue));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return GetSysColorBrush(COLOR_BTNFACE);
    }
    const UINT message = type == CTLCOLOR_STATIC ? WM_CTLCOLORSTATIC : WM_CTLCOLORBTN;
    return reinterpret_cast<HBRUSH>(DefWindowProcA(window, message, reinterpret_cast<WPARAM>(dc),
                                                   reinterpret_cast<LPARAM>(handle)));
}

void Win32Window::OnDrawItem(HWND, const DRAWITEMSTRUCT* item) {
    const Control* control = ControlOf(item->hwndItem);
    if (control != nullptr && control->row->kind == ControlKind::ImageButton) {
        DrawImageButton(*item, imageButtonPicture_, control->row->settings.border);
    }
}

void Win32Window::OnActivate(HWND window, UINT state, HWND other, BOOL minimised) {
    // the focus comes back to the control that had it
    if (state == WA_INACTIVE) {
        HWND focus = GetFocus();
        lastFocus_ = focus != nullptr && IsChild(window, focus) ? focus : nullptr;
    } else if (lastFocus_ != nullptr && IsWindow(lastFocus_) && !minimised) {
        SetFocus(lastFocus_);
        return;
    }
    FORWARD_WM_ACTIVATE(window, state, other, minimised, DefWindowProcA);
}

void Win32Window::OnClose(HWND window) {
    DestroyWindow(window);
}

void Win32Window::OnDestroy(HWND) {
    RemoveTrayIcon();
    // a window closed before the loop (a failed build) must not end the
    // fatal box's own loop with the quit message
    if (loopRunning_) PostQuitMessage(0);
}

void Win32Window::OnNCDestroy(HWND window) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    window_ = nullptr;
    controls_.clear();
    lastFocus_ = nullptr;
}

}  // namespace dorvane
