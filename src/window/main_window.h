// MainWindow's plain logic: its created actions (tray icon, then skin), the
// type buttons' panel switch and notice, the dispatch of each bound control
// event to its one handler, and the key rules and focus moves the window
// raises. The window itself is the platform's.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/application_state.h"
#include "core/library_loader.h"
#include "window/panel_switch.h"
#include "window/window_platform.h"

namespace dorvane {

// "DorvaneV6.0,作者TamselQQ" + AuthorContactNumber, GBK
std::string_view TrayTipText();
// the custom-work notice of 按钮6, GBK
std::string_view NoticeCaption();
std::string_view NoticeText();
// the fatal report when the skin engine cannot be bound, GBK
std::string_view SkinBindingFailedText();

class MainWindow : public MainWindowEvents {
  public:
    MainWindow(WindowPlatform& window, LibraryLoader& libraries, ApplicationState& state);

    void Created() override;
    void ControlEvent(const ControlLayout& row) override;
    bool KeyDown(Key key, Modifiers modifiers) override;
    void FocusLeaving(bool forward) override;

    // 1. the icon's bytes (or none) to the tray with the tip, 2. release them, 3. AttachSkin
    void CreatedActions();
    // binds SkinH_AttachEx once (run directory first, then the loader's search)
    // and calls it with the skin file and an empty password; a failed binding is fatal
    void AttachSkin();

    void TypeButtonClicked(std::string_view button);
    // the five writes, in panel order, every time
    void ShowOnlyPanel(std::string_view panel);
    // the stored visible flag of a panel, as the last write left it
    bool PanelVisible(std::string_view panel) const;

  private:
    // The engine's export uses the standard Windows calling convention: on
    // 32-bit Windows the callee pops its arguments, so a C-convention call
    // would leave the stack 8 bytes off. Elsewhere there is one convention.
#if defined(_WIN32) && defined(__i386__)
    using SkinAttachEx = int(__attribute__((stdcall)) *)(const char* skinFile,
                                                         const char* password);
#else
    using SkinAttachEx = int (*)(const char* skinFile, const char* password);
#endif

    void WritePanelVisibility(std::size_t panel, bool shown);

    WindowPlatform& window_;
    LibraryLoader& libraries_;
    ApplicationState& state_;
    SkinAttachEx skinAttach_ = nullptr;
    std::array<bool, PanelCount> panelVisible_{};
};

}  // namespace dorvane
