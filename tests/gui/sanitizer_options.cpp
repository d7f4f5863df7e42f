// Under the sanitizer build only. The web engine's own code (Chromium inside
// libQt6WebEngineCore) deletes some objects through a base of another size
// and, like fontconfig, leaves allocations for the process's end. None of
// that is ours to fix. The size check cannot be limited to one library, so
// it is off for the whole test program; the leak check is silenced for those
// two libraries alone.
extern "C" const char* __asan_default_options() {
    return "new_delete_type_mismatch=0";
}
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libQt6WebEngineCore.so\nleak:libfontconfig.so\n";
}
