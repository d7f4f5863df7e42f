// A stand-in skin library for the loader tests, built twice: with the
// engine's export (DORVANE_WITH_EXPORT) and without it. Both export
// LastSkinFile, so a test can see which copy ran and with what.
#include <windows.h>

#include <cstring>

extern "C" {

char LastSkinFile[MAX_PATH] = "";

#ifdef DORVANE_WITH_EXPORT
int WINAPI SkinH_AttachEx(const char* skinFile, const char* password) {
    if (skinFile == nullptr || password == nullptr) return 2;
    std::strncpy(LastSkinFile, skinFile, MAX_PATH - 1);
    return 0;
}
#endif
}
