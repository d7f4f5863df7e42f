// Placeholder until the engine lands: attaches nothing.
extern "C" __attribute__((visibility("default"))) int SkinH_AttachEx(const char*, const char*) { return -1; }
