// What the browser handlers need of the window: loading an address in one of
// its panes. The window's platform (window/window_platform) is one.
#pragma once

#include <string_view>

namespace dorvane {

class PaneNavigator {
  public:
    virtual ~PaneNavigator() = default;
    // starts loading in the pane and returns at once; the result is not reported
    virtual void Navigate(std::string_view paneName, std::string_view address) = 0;
};

}  // namespace dorvane
