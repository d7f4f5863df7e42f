// The real main window, built from the program's layout the way the start-up
// sequence loads it (created hidden, each control shown by its flag, shown,
// focus on the first of the focus order), with the events it raises recorded.
// Names are GBK in the layout and pinned here in hex.
#pragma once

#include <gtest/gtest.h>

#include <QPointer>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/qt/main_window_widget.h"
#include "platform/qt/qt_window.h"

namespace dorvane::test {

std::string Gbk(std::string_view hex);
std::string Box(int number);     // 图片框n
std::string Button(int number);  // 按钮n

extern const std::string Yijing1, Yijing2, Yijing3, Egao, Keai;
extern const std::string Group1, Group2, Group4, Browser1, Browser2, Contact, Label2;

// Records the control events; keys and focus hand-backs go to the program's
// own rules (window/window_keys) on `window`.
class RecordingEvents : public MainWindowEvents {
  public:
    void Created() override {}
    void ControlEvent(const ControlLayout& row) override {
        fired.emplace_back(row.name);
        if (forward != nullptr) forward->ControlEvent(row);
    }
    bool KeyDown(Key key, Modifiers modifiers) override;
    void FocusLeaving(bool forward) override;
    std::vector<std::string> fired;
    MainWindowEvents* forward = nullptr;  // the program's own handlers, when a test wants them
    WindowPlatform* window = nullptr;
};

class RealWindow : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    QWidget* Control(const std::string& name) const;
    // the control that has the focus now, empty for none
    std::string Focused() const;
    // waits (the web view takes its focus late) until `name` has the focus
    bool WaitForFocusOn(const std::string& name) const;
    // waits until the window has been destroyed
    bool WaitForWindowGone() const;

    RecordingEvents events_;
    std::unique_ptr<QtWindow> platform_ = std::make_unique<QtWindow>();
    QPointer<MainWindowWidget> window_;
};

}  // namespace dorvane::test
