#include "recording_platform.h"

namespace dorvane::testing {

RecordingPlatform* RecordingPlatform::current = nullptr;

namespace {

extern "C" int FakeSkinAttachEx(const char* skinFile, const char* password) {
    RecordingPlatform& platform = *RecordingPlatform::current;
    platform.skinPasswordWasNull = password == nullptr;
    platform.calls.push_back("SkinH_AttachEx " + std::string(skinFile) + " password=" +
                             (password ? "\"" + std::string(password) + "\"" : "null"));
    return 12345;  // any result: the program ignores it
}

class RecordingFile : public WritableFile {
  public:
    RecordingFile(RecordingPlatform& platform, std::string path)
        : platform_(platform), path_(std::move(path)) {}
    std::size_t Write(std::span<const std::uint8_t> bytes) override {
        std::vector<std::uint8_t>& content = platform_.files[path_];
        const std::size_t room =
            platform_.diskSpace > content.size() ? platform_.diskSpace - content.size() : 0;
        const std::size_t n = std::min(room, bytes.size());
        content.insert(content.end(), bytes.begin(), bytes.begin() + n);
        platform_.calls.push_back("Write " + path_ + " " + std::to_string(bytes.size()) + " -> " +
                                  std::to_string(n));
        return n;
    }
    bool Close() override {
        platform_.calls.push_back("Close " + path_);
        return true;
    }

  private:
    RecordingPlatform& platform_;
    std::string path_;
};

}  // namespace

std::vector<std::uint8_t> TestCarriedFiles::Carried(std::uint32_t size, std::uint8_t seed) {
    std::vector<std::uint8_t> carried(8 + size);
    carried[0] = 1;  // one dimension
    for (int i = 0; i < 4; ++i) carried[4 + i] = static_cast<std::uint8_t>(size >> (8 * i));
    for (std::uint32_t i = 0; i < size; ++i)
        carried[8 + i] = static_cast<std::uint8_t>(seed + i * 7);
    return carried;
}

RecordingPlatform::RecordingPlatform() {
    current = this;
}

void RecordingPlatform::InitialiseComponent() {
    calls.push_back("InitialiseComponent");
}
void RecordingPlatform::ShutdownComponent() {
    calls.push_back("ShutdownComponent");
}
std::string RecordingPlatform::ExecutablePath() {
    calls.push_back("ExecutablePath");
    return executablePath;
}
bool RecordingPlatform::SetWorkingDirectory(std::string_view path) {
    calls.push_back("SetCurrentDirectory " + std::string(path));
    return true;
}
void RecordingPlatform::ShowErrorBox(std::string_view text) {
    calls.push_back("ShowErrorBox");
    errorBoxText = text;
}
void RecordingPlatform::ReleaseIcons() {
    calls.push_back("ReleaseIcons");
}
void RecordingPlatform::ExitProcess(int code) {
    calls.push_back("ExitProcess " + std::to_string(code));
    throw ExitCalled{code};
}

std::unique_ptr<WritableFile> RecordingPlatform::CreateAlways(std::string_view path) {
    const std::string name(path);
    if (unopenable.count(name)) {
        calls.push_back("CreateAlways " + name + " failed");
        return nullptr;
    }
    calls.push_back("CreateAlways " + name);
    files[name].clear();
    return std::make_unique<RecordingFile>(*this, name);
}

bool RecordingPlatform::CreateMainWindow(const WindowSettings&, Point place,
                                         MainWindowEvents& windowEvents) {
    calls.push_back("CreateMainWindow " + std::to_string(place.x) + "," + std::to_string(place.y));
    if (!windowCreatable) return false;
    windowExists = true;
    events = &windowEvents;
    return true;
}
bool RecordingPlatform::CreateControl(const ControlLayout& row) {
    const std::string name(row.name);
    if (uncreatableControls.count(name)) return false;
    built.push_back("Create " + name + " in " + std::string(row.parent));
    parents[name] = row.parent;
    return true;
}
void RecordingPlatform::RaiseControl(std::string_view name) {
    built.push_back("Raise " + std::string(name));
}
void RecordingPlatform::SetControlShown(std::string_view name, bool shown) {
    ++controlWrites;
    built.push_back((shown ? "Show " : "Hide ") + std::string(name));
    if (shown) {
        shownControls.insert(std::string(name));
    } else {
        shownControls.erase(std::string(name));
    }
}
bool RecordingPlatform::ControlShowsNow(std::string_view name) {
    const std::string control(name);
    if (!shownControls.count(control)) return false;
    const auto parent = parents.find(control);
    return parent == parents.end() || parent->second.empty() || ControlShowsNow(parent->second);
}
void RecordingPlatform::ShowWindow() {
    calls.push_back("ShowWindow");
}
void RecordingPlatform::FocusControl(std::string_view name, FocusCause cause) {
    constexpr const char* Causes[] = {"", " forward", " backward"};
    calls.push_back("FocusControl " + std::string(name) + Causes[static_cast<int>(cause)]);
    focused = name;
}
void RecordingPlatform::CloseWindow() {
    calls.push_back("CloseWindow");
    windowExists = false;
}
void RecordingPlatform::RunMessageLoop() {
    calls.push_back("RunMessageLoop");
    if (inMessageLoop) inMessageLoop();
    // the user closed the window: destroying it removes the tray icon
    windowExists = false;
    calls.push_back("RemoveTrayIcon");
}
std::optional<std::vector<std::uint8_t>> RecordingPlatform::IconFileBytes() {
    calls.push_back("IconFileBytes");
    return iconFile;
}
bool RecordingPlatform::SetTrayIcon(std::span<const std::uint8_t> iconBytes, std::string_view tip) {
    calls.push_back("SetTrayIcon " + std::to_string(iconBytes.size()));
    trayIconBytes.assign(iconBytes.begin(), iconBytes.end());
    trayTip = tip;
    if (destroyWindowInCreatedActions) windowExists = false;
    return !iconBytes.empty();
}
void RecordingPlatform::RemoveTrayIcon() {
    calls.push_back("RemoveTrayIcon");
}
void RecordingPlatform::ShowNoticeBox(std::string_view caption, std::string_view text) {
    calls.push_back("ShowNoticeBox");
    noticeCaption = caption;
    noticeText = text;
}
void RecordingPlatform::Navigate(std::string_view pane, std::string_view address) {
    calls.push_back("Navigate " + std::string(pane) + " " + std::string(address));
}

LibraryHandle RecordingPlatform::Load(std::string_view pathOrName) {
    const std::string name(pathOrName);
    if (!loadable.count(name)) {
        calls.push_back("Load " + name + " failed");
        return nullptr;
    }
    calls.push_back("Load " + name);
    handles_.push_back(name);
    return reinterpret_cast<LibraryHandle>(handles_.size());
}
void* RecordingPlatform::Symbol(LibraryHandle library, const char* name) {
    const std::string& path = handles_.at(reinterpret_cast<std::size_t>(library) - 1);
    calls.push_back("Symbol " + std::string(name));
    return loadable.at(path) && std::string(name) == "SkinH_AttachEx"
               ? reinterpret_cast<void*>(&FakeSkinAttachEx)
               : nullptr;
}
void RecordingPlatform::Unload(LibraryHandle library) {
    calls.push_back("Unload " + handles_.at(reinterpret_cast<std::size_t>(library) - 1));
}

}  // namespace dorvane::testing
