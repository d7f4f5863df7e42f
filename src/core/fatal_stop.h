// The fatal stop: an error box, the end clean-up, then exit code -1. The
// program's Application is the one; layers above reach it through their
// ApplicationState.
#pragma once

#include <string_view>

namespace dorvane {

class FatalStop {
  public:
    virtual ~FatalStop() = default;
    [[noreturn]] virtual void RuntimeError(std::string_view gbkMessage) = 0;
};

}  // namespace dorvane
