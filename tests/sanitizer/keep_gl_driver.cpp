// Linked into the program in the sanitizer build only. At exit Qt closes its
// X connection and Mesa unloads its GL driver, and with it the LLVM it
// brought; LeakSanitizer then no longer sees the driver's globals and reports
// what they held as leaks with no stack left to name or suppress them. Opened
// here first and never unloaded, the driver stays mapped to the end, so the
// leak check still sees what it holds. The driver files are one shared
// object under many names, so whichever name Mesa picks is this one.
#include <dlfcn.h>

namespace {

[[maybe_unused]] const bool kept = dlopen(DORVANE_GL_DRIVER, RTLD_LAZY | RTLD_NODELETE) != nullptr;

}  // namespace
