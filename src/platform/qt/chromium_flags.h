// The Chromium command-line flags the web engine is started with, added to
// the ones already in QTWEBENGINE_CHROMIUM_FLAGS (a test's proxy, say).
// Plain text work: no Qt here.
#pragma once

#include <string>
#include <string_view>

namespace dorvane {

// `existing` kept as it is; each flag of ours added once, after it
std::string ChromiumFlags(std::string_view existing, bool runningAsRoot);

}  // namespace dorvane
