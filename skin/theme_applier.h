// Restyles the running QApplication with a theme that has been read whole:
// the skin's style over the base style, and the palette (with the window
// tile). Everything is built before the application is touched, so a failure
// changes nothing. Hands Qt only heap copies and Qt's own objects, except the
// skin's style, which the library takes back when it is unloaded.
#pragma once

#include "format/skin_format.h"

class QApplication;

namespace dorvane::skin {

// false, with the application untouched, when the base style cannot be made.
bool ApplyTheme(QApplication& application, const Theme& theme);

}  // namespace dorvane::skin
