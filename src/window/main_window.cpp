#include "window/main_window.h"

#include <optional>
#include <vector>

#include "browser/browser_handlers.h"
#include "core/phase_timing.h"
#include "core/program_values.h"
#include "payloads/owned_text.h"
#include "payloads/payloads.h"
#include "window/window_keys.h"

DORVANE_REQUIRE_GBK;

namespace dorvane {

std::string_view TrayTipText() {
    return "DorvaneV6.0,作者TamselQQ" DORVANE_AUTHOR_CONTACT_NUMBER;
}
std::string_view NoticeCaption() {
    return "非诚勿扰";
}
std::string_view NoticeText() {
    return "代做真人秀,联系TamselQQ" DORVANE_AUTHOR_CONTACT_NUMBER "(Tamsel是做生意,不是做慈善)";
}
std::string_view SkinBindingFailedText() {
    return "找不到动态链接库文件\"SkinH_EL.dll\"中的函数\"SkinH_AttachEx\"，程序无法继续运行。";
}

MainWindow::MainWindow(WindowPlatform& window, LibraryLoader& libraries, ApplicationState& state)
    : window_(window), libraries_(libraries), state_(state) {
    const MainWindowLayout& layout = TheMainWindowLayout();
    for (std::size_t i = 0; i < PanelCount; ++i) {
        const ControlLayout* panel = FindControl(layout, PanelOrder()[i]);
        panelVisible_[i] = panel && panel->visible;
    }
}

void MainWindow::Created() {
    CreatedActions();
}

void MainWindow::ControlEvent(const ControlLayout& row) {
    switch (row.handler) {
        case EventHandler::TypeButtonClicked:
            TypeButtonClicked(row.name);
            break;
        case EventHandler::ThumbnailPressed:
            ThumbnailPressed(window_, row.name);
            break;
        case EventHandler::ContactClicked:
            ContactClicked(window_);
            break;
        case EventHandler::None:
            break;
    }
}

bool MainWindow::KeyDown(Key key, Modifiers modifiers) {
    return CarryOutKey(window_, TheMainWindowLayout(), key, modifiers);
}

void MainWindow::FocusLeaving(bool forward) {
    MoveFocusAlong(window_, TheMainWindowLayout(), forward);
}

void MainWindow::CreatedActions() {
    {
        DORVANE_TIME_PHASE(TrayIcon);
        std::vector<std::uint8_t> icon =
            window_.IconFileBytes().value_or(std::vector<std::uint8_t>{});
        window_.SetTrayIcon(icon, TrayTipText());
        icon = {};
    }
    AttachSkin();
}

void MainWindow::AttachSkin() {
    if (skinAttach_ == nullptr) {
        DORVANE_TIME_PHASE(SkinLibraryLoad);
        OwnedText besideProgram =
            JoinTexts({state_.runDirectory.c_str(), "\\", SkinLibraryFileName});
        LibraryHandle library = libraries_.Load(besideProgram.View());
        Free(besideProgram);
        if (library == nullptr) library = libraries_.Load(SkinLibraryFileName);
        void* function = library ? libraries_.Symbol(library, "SkinH_AttachEx") : nullptr;
        if (function == nullptr) {
            if (library != nullptr) libraries_.Unload(library);
            RuntimeError(state_, SkinBindingFailedText());
        }
        state_.loadedLibraries.push_back(library);
        skinAttach_ = reinterpret_cast<SkinAttachEx>(function);
    }
    DORVANE_TIME_PHASE(SkinAttachCall);
    skinAttach_(SkinFilePath.data(), "");
}

void MainWindow::TypeButtonClicked(std::string_view button) {
    const int number = TypeButtonNumber(button);
    if (number == 0) {
        window_.ShowNoticeBox(NoticeCaption(), NoticeText());
    } else if (number > 0) {
        ShowOnlyPanel(PanelOrder()[number - 1]);
    }
}

void MainWindow::ShowOnlyPanel(std::string_view panel) {
    int button = 0;  // the button that shows `panel`; 0 hides all five
    for (std::size_t i = 0; i < PanelCount; ++i) {
        if (PanelOrder()[i] == panel) button = static_cast<int>(i) + 1;
    }
    const std::array<PanelWrite, PanelCount> writes = PanelSwitch(button);
    for (std::size_t i = 0; i < PanelCount; ++i) WritePanelVisibility(i, writes[i].shown);
}

void MainWindow::WritePanelVisibility(std::size_t panel, bool shown) {
    panelVisible_[panel] = shown;  // the stored flag first, then the panel's window
    window_.SetControlShown(PanelOrder()[panel], shown);
}

bool MainWindow::PanelVisible(std::string_view panel) const {
    for (std::size_t i = 0; i < PanelCount; ++i) {
        if (PanelOrder()[i] == panel) return panelVisible_[i];
    }
    return false;
}

}  // namespace dorvane
