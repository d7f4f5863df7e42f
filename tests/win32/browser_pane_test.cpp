// BrowserPane with the real WebBrowser control, at the request level: a
// logging proxy (tests/win32/browser_pane_test.sh starts it and points
// http_proxy at it) shows what the control fetched. Pages need not render.
//
// The same program is the fake handler of the tencent scheme: registered in
// the prefix as `"this.exe" --url-handler LOG "%1"`, it appends the link it
// was given to LOG.
#define CINTERFACE
#define COBJMACROS
#include "platform/win32/browser_pane.h"

#include <exdisp.h>
#include <gtest/gtest.h>
#include <ole2.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace dorvane {
namespace {

constexpr DWORD LoadTimeoutMs = 30000;

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// Wine's wininet writes the default port into the request line
// (http://show.qq.com:80/), Windows' does not: compare without it.
std::string WithoutDefaultPort(std::string url) {
    const std::string scheme = "http://";
    if (url.rfind(scheme, 0) != 0) return url;
    const std::size_t pathStart = url.find('/', scheme.size());
    const std::size_t hostEnd = pathStart == std::string::npos ? url.size() : pathStart;
    if (hostEnd >= scheme.size() + 3 && url.compare(hostEnd - 3, 3, ":80") == 0) {
        url.erase(hostEnd - 3, 3);
    }
    return url;
}

// Runs the message loop until done() or the timeout; returns done().
template <class Done>
bool PumpUntil(Done done, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (done()) return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= end) return false;
        MsgWaitForMultipleObjects(
            0, nullptr, FALSE, static_cast<DWORD>(std::min<ULONGLONG>(end - now, 50)), QS_ALLINPUT);
    }
}

void Pump(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

// The proxy's log: one requested URL a line. Each test looks only at the
// lines written after it started.
class ProxyLog {
  public:
    ProxyLog() {
        const char* path = std::getenv("DORVANE_PROXY_LOG");
        if (path) path_ = path;
        skip_ = Lines(ReadFile(path_)).size();
    }
    bool Available() const { return !path_.empty(); }
    std::vector<std::string> NewLines() const {
        std::vector<std::string> lines = Lines(ReadFile(path_));
        lines.erase(lines.begin(),
                    lines.begin() + static_cast<std::ptrdiff_t>(std::min(skip_, lines.size())));
        for (std::string& line : lines) line = WithoutDefaultPort(line);
        return lines;
    }
    bool Saw(const std::string& url) const {
        for (const std::string& line : NewLines()) {
            if (line == url) return true;
        }
        return false;
    }
    bool WaitFor(const std::string& url) const {
        return PumpUntil([&] { return Saw(url); }, LoadTimeoutMs);
    }

  private:
    std::string path_;
    std::size_t skip_ = 0;
};

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += "  " + line + "\n";
    return text.empty() ? "  (none)\n" : text;
}

// A top-level window to put panes in, destroyed after each test; every
// container must be gone by then.
class BrowserPaneTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(log_.Available())
            << "DORVANE_PROXY_LOG is not set: run through browser_pane_test.sh";
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = "BrowserPaneTestWindow";
        RegisterClassExA(&windowClass);  // fails harmlessly from the second test on
        window_ = CreateWindowExA(0, "BrowserPaneTestWindow", "BrowserPane test",
                                  WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20, 700, 680, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(window_);
        ShowWindow(window_, SW_SHOW);
        UpdateWindow(window_);
    }

    void TearDown() override {
        if (window_) DestroyWindow(window_);
        // the control may let go of our site only once its own windows are gone
        PumpUntil([] { return LiveBrowserContainers() == 0; }, 5000);
        EXPECT_EQ(LiveBrowserContainers(), 0) << "a container outlived its pane";
    }

    HWND MainPane(std::string_view startAddress = "") {
        PaneSettings settings;
        settings.startAddress = startAddress;
        return CreateBrowserPane(window_, 24, 24, 632, 600, settings);
    }

    HWND window_ = nullptr;
    ProxyLog log_;
};

TEST_F(BrowserPaneTest, StartAddressIsFetchedAndTheControlFillsThePane) {
    HWND pane = MainPane("http://show.qq.com/");
    ASSERT_TRUE(pane);
    ASSERT_TRUE(PaneWebBrowser(pane));
    EXPECT_TRUE(log_.WaitFor("http://show.qq.com/")) << "requests seen:\n"
                                                     << Joined(log_.NewLines());

    // the control's window fills the pane's client area, and follows its size
    HWND control = GetWindow(pane, GW_CHILD);
    ASSERT_TRUE(control);
    for (SIZE size : {SIZE{632, 600}, SIZE{300, 200}, SIZE{640, 480}}) {
        MoveWindow(pane, 24, 24, size.cx, size.cy, TRUE);
        Pump(100);
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, pane, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, 0);
        EXPECT_EQ(rect.top, 0);
        EXPECT_EQ(rect.right, size.cx);
        EXPECT_EQ(rect.bottom, size.cy);
    }
}

TEST_F(BrowserPaneTest, EmptyStartAddressLoadsNothing) {
    HWND pane = MainPane();
    ASSERT_TRUE(pane);
    Pump(2000);
    EXPECT_EQ(log_.NewLines(), std::vector<std::string>{});
}

TEST_F(BrowserPaneTest, NavigateFetchesEachAddressAsItIsGiven) {
    HWND pane = MainPane("http://show.qq.com/");
    ASSERT_TRUE(pane);
    ASSERT_TRUE(log_.WaitFor("http://show.qq.com/"));
    struct Case {
        const char* gbkAddress;
        std::vector<std::string> requested;  // any of these
    };
    const Case cases[] = {
        {"http://show.qq.com/p/f?t=13&i=1&u=2", {"http://show.qq.com/p/f?t=13&i=1&u=2"}},
        // the same address again is fetched again
        {"http://show.qq.com/p/f?t=13&i=1&u=2", {"http://show.qq.com/p/f?t=13&i=1&u=2"}},
        // GBK 秀 (C6 E3) is U+79C0: Windows sends it as UTF-8, percent-encoded;
        // Wine's wininet sends the ANSI (GBK) bytes as they are, which the
        // proxy reads as Latin-1 and logs as "Æã" (in UTF-8). Bytes taken for characters
        // one by one would give neither.
        {"http://show.qq.com/\xC6\xE3",
         {"http://show.qq.com/%E7%A7%80", "http://show.qq.com/\xC3\x86\xC3\xA3"}},
    };
    for (const Case& c : cases) {
        const std::size_t before = log_.NewLines().size();
        NavigatePane(pane, c.gbkAddress);
        const bool fetched = PumpUntil(
            [&] {
                std::vector<std::string> lines = log_.NewLines();
                return lines.size() > before && std::find(c.requested.begin(), c.requested.end(),
                                                          lines.back()) != c.requested.end();
            },
            LoadTimeoutMs);
        EXPECT_TRUE(fetched) << "expected " << c.requested.front() << ", requests seen:\n"
                             << Joined(log_.NewLines());
    }
}

TEST_F(BrowserPaneTest, SettingsAreAppliedAsGiven) {
    struct Case {
        bool offline, silent;
        std::int32_t textSize;
    };
    for (Case c : {Case{false, false, 2}, Case{true, true, 9}, Case{false, true, -3}}) {
        PaneSettings settings;
        settings.offline = c.offline;
        settings.silent = c.silent;
        settings.textSize = c.textSize;
        HWND pane = CreateBrowserPane(window_, 0, 0, 100, 100, settings);
        ASSERT_TRUE(pane);
        VARIANT_BOOL offline = 1, silent = 1;
        IWebBrowser2_get_Offline(PaneWebBrowser(pane), &offline);
        IWebBrowser2_get_Silent(PaneWebBrowser(pane), &silent);
        // the control reports back what it was given
        EXPECT_EQ(offline, c.offline ? VARIANT_TRUE : VARIANT_FALSE);
        EXPECT_EQ(silent, c.silent ? VARIANT_TRUE : VARIANT_FALSE);
        DestroyWindow(pane);
    }
}

// HKCR\tencent as a URL protocol whose handler is this program.
class TencentHandler {
  public:
    TencentHandler() {
        char directory[MAX_PATH];
        GetTempPathA(MAX_PATH, directory);
        log_ = std::string(directory) + "dorvane-tencent-" + std::to_string(GetCurrentProcessId()) +
               ".log";
        DeleteFileA(log_.c_str());
        char self[MAX_PATH];
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        const std::string command =
            "\"" + std::string(self) + "\" --url-handler \"" + log_ + "\" \"%1\"";
        HKEY scheme, open;
        registered_ = RegCreateKeyExA(HKEY_CLASSES_ROOT, "tencent", 0, nullptr, 0, KEY_WRITE,
                                      nullptr, &scheme, nullptr) == ERROR_SUCCESS;
        if (!registered_) return;
        RegSetValueExA(scheme, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>("URL:tencent"),
                       12);
        RegSetValueExA(scheme, "URL Protocol", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
        registered_ =
            RegCreateKeyExA(scheme, "shell\\open\\command", 0, nullptr, 0, KEY_WRITE, nullptr,
                            &open, nullptr) == ERROR_SUCCESS &&
            RegSetValueExA(open, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                           static_cast<DWORD>(command.size() + 1)) == ERROR_SUCCESS;
        RegCloseKey(open);
        RegCloseKey(scheme);
    }
    ~TencentHandler() {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, "tencent");
        DeleteFileA(log_.c_str());
    }
    bool Registered() const { return registered_; }
    std::vector<std::string> Links() const { return Lines(ReadFile(log_)); }

  private:
    std::string log_;
    bool registered_ = false;
};

TEST_F(BrowserPaneTest, TencentLinkGoesToTheSchemeHandlerAndNeverToTheNetwork) {
    TencentHandler handler;
    ASSERT_TRUE(handler.Registered());
    // the contact pane: small and hidden, as in the window
    HWND pane = CreateBrowserPane(window_, 650, 620, 32, 24, PaneSettings{});
    ASSERT_TRUE(pane);
    ShowWindow(pane, SW_HIDE);
    const std::string link = "tencent://message/?uin=2839475610";
    NavigatePane(pane, link);
    ASSERT_TRUE(PumpUntil([&] { return !handler.Links().empty(); }, LoadTimeoutMs))
        << "the handler was not started";
    EXPECT_EQ(handler.Links(), std::vector<std::string>{link});
    Pump(1000);
    for (const std::string& line : log_.NewLines()) {
        EXPECT_EQ(line.find("2839475610"), std::string::npos) << line;
        EXPECT_EQ(line.find("tencent"), std::string::npos) << line;
    }
}

TEST_F(BrowserPaneTest, FocusPassesToTheControlWhichSeesKeysFirst) {
    HWND pane = MainPane("http://show.qq.com/");
    ASSERT_TRUE(pane);
    log_.WaitFor("http://show.qq.com/");
    SetForegroundWindow(window_);
    SetFocus(pane);
    Pump(200);
    EXPECT_TRUE(FocusIsInPane(pane));
    EXPECT_NE(GetFocus(), pane) << "the focus stayed on the pane instead of the control";

    HWND focus = GetFocus();
    struct Key {
        UINT message;
        WPARAM key;
    };
    for (Key key : {Key{WM_KEYDOWN, VK_TAB}, Key{WM_KEYDOWN, VK_ESCAPE}, Key{WM_KEYDOWN, 'A'},
                    Key{WM_CHAR, 'a'}, Key{WM_KEYUP, 'A'}, Key{WM_SYSKEYDOWN, VK_F4},
                    Key{WM_KEYDOWN, VK_F5}, Key{WM_KEYDOWN, VK_BACK}}) {
        MSG message{focus, key.message, key.key, 1, GetTickCount(), {}};
        // taken or not is the control's call; shown for whoever reads the log
        const bool taken = PaneTranslateAccelerator(pane, &message);
        std::printf("message %04x key %02x: %s\n", key.message, static_cast<unsigned>(key.key),
                    taken ? "taken by the control" : "passed on");
        Pump(50);
    }
    EXPECT_TRUE(IsWindow(pane));

    // what never reaches the control
    MSG mouse{focus, WM_MOUSEMOVE, 0, 0, GetTickCount(), {}};
    EXPECT_FALSE(PaneTranslateAccelerator(pane, &mouse));
    MSG key{focus, WM_KEYDOWN, 'A', 1, GetTickCount(), {}};
    EXPECT_FALSE(PaneTranslateAccelerator(window_, &key));
    EXPECT_FALSE(PaneTranslateAccelerator(nullptr, &key));
    EXPECT_FALSE(PaneTranslateAccelerator(pane, nullptr));
    EXPECT_FALSE(FocusIsInPane(window_));
}

TEST_F(BrowserPaneTest, OnlyPanesAreNavigated) {
    // a window of another class is left alone, whatever its user data holds
    SetWindowLongPtrA(window_, GWLP_USERDATA, 1);
    NavigatePane(window_, "http://show.qq.com/");
    NavigatePane(nullptr, "http://show.qq.com/");
    EXPECT_EQ(PaneWebBrowser(window_), nullptr);
    Pump(1000);
    EXPECT_EQ(log_.NewLines(), std::vector<std::string>{});
}

// Run with the WebBrowser control's DLL disabled (WINEDLLOVERRIDES=ieframe=d)
// and DORVANE_NO_WEBBROWSER=1: creation then fails.
TEST_F(BrowserPaneTest, WithoutTheControlCreationFailsAndLeavesAWhiteWindow) {
    if (!std::getenv("DORVANE_NO_WEBBROWSER")) GTEST_SKIP() << "the control is present";
    EXPECT_EQ(MainPane("http://show.qq.com/"), nullptr);
    HWND left = GetWindow(window_, GW_CHILD);
    ASSERT_TRUE(left);
    char name[64] = {};
    GetClassNameA(left, name, sizeof name);
    EXPECT_STREQ(name, "BrowserPane");
    EXPECT_EQ(GetWindow(left, GW_CHILD), nullptr);
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(GetClassLongPtrA(left, GCLP_HBRBACKGROUND)),
              GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(left, GCLP_HCURSOR)),
              LoadCursorA(nullptr, IDC_ARROW));
    // nothing to navigate or to give keys to
    NavigatePane(left, "http://show.qq.com/");
    MSG key{left, WM_KEYDOWN, 'A', 1, GetTickCount(), {}};
    EXPECT_FALSE(PaneTranslateAccelerator(left, &key));
    EXPECT_EQ(PaneWebBrowser(left), nullptr);
    Pump(1000);
    EXPECT_EQ(log_.NewLines(), std::vector<std::string>{});
}

// The fake tencent handler: appends its link to the log it was given.
int RunUrlHandler(int argc, char** argv) {
    if (argc < 4) return 2;
    FILE* log = std::fopen(argv[2], "ab");
    if (!log) return 1;
    std::fprintf(log, "%s\n", argv[3]);
    std::fclose(log);
    return 0;
}

}  // namespace
}  // namespace dorvane

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--url-handler")
        return dorvane::RunUrlHandler(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (FAILED(OleInitialize(nullptr))) return 1;
    const int result = RUN_ALL_TESTS();
    // every pane's window is gone by now, so the controls were released before this
    OleUninitialize();
    return result;
}
