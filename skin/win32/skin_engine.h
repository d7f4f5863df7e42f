/* Our skin engine for Windows, SkinH_EL.dll (PE32, i386): the same skin file
 * as the Linux engine (layout in ../SkinH_EL.h), painted onto the calling
 * thread's windows with GDI. Exports, undecorated, with the standard Windows
 * calling convention (the callee removes the arguments):
 *
 *   int SkinH_AttachEx(const char* skinFile, const char* password);
 *   int SkinH_Detach(void);
 *
 * SkinH_AttachEx reads the skin whole (a null password counts as empty), and
 * only then subclasses the thread's captioned top-level windows and dialogs
 * and the BUTTON and STATIC controls inside them, and hooks the thread's
 * window creation so that windows made later (message boxes too) are
 * skinned as well. Attaching again on the same thread swaps the skin.
 * It returns 0 when the skin was attached; any other result means nothing
 * was installed and a skin attached earlier stays as it was.
 *
 * SkinH_Detach removes the skin from every window, the hook and every GDI
 * object of the engine, and repaints the windows plain. It returns 0 when a
 * skin was attached, 1 when there was none. Unloading the library does the
 * same. A window whose procedure someone else has replaced after ours cannot
 * be given back its own: the library then stays loaded (pinned) and passes
 * that window's messages on unchanged, so nothing points into freed code.
 *
 * The skin holds no font: text is drawn in each control's own font.
 */
#ifndef DORVANE_SKIN_ENGINE_H
#define DORVANE_SKIN_ENGINE_H

#ifdef __cplusplus
extern "C" {
#endif

enum SkinH_Result {
    SkinH_Attached = 0,
    SkinH_OtherThread = 1, /* a skin is attached on another thread */
    SkinH_BadPath = 2,     /* null or empty path */
    SkinH_Unreadable = 3,  /* missing, not a disk file, unreadable, over 1 MiB */
    SkinH_BadHeader = 4,   /* not a skin file: short header, wrong magic or version */
    SkinH_BadBodySize = 5, /* declared body size out of bounds */
    SkinH_BadStream = 6,   /* LZMA properties or stream invalid, or the wrong size came out */
    SkinH_BadBody = 7,     /* the body's header, checksum or sections do not hold */
    SkinH_WrongPassword = 8,
    SkinH_Failed = 10 /* the system refused a hook or GDI object, or memory ran out */
};

int __stdcall SkinH_AttachEx(const char* skinFile, const char* password);
int __stdcall SkinH_Detach(void);

#ifdef __cplusplus
}
#endif

#endif
