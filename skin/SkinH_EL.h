/* Our skin engine, SkinH_EL.dll: one export that reads a skin file and
 * restyles the running QApplication. Does not provide: detaching, per-window
 * skins, or any of the other calls a skin library may have; the program
 * calls this one function once.
 *
 *   int SkinH_AttachEx(const char* skinFile, const char* password);
 *
 * Both arguments are zero-terminated GBK texts. skinFile is a Windows-style
 * path (C:\WINDOWS\system32\drivers\kiss.she), mapped onto this machine as
 * the program's own file adapter maps it. A null password counts as empty.
 * Call it on the application's thread, after the QApplication exists. It
 * returns 0 when the skin was attached; any other result (below) means the
 * application was left exactly as it was.
 *
 * The skin's look is drawn by a style of the engine's own (a QProxyStyle over
 * the base style) with the theme's palette; the engine sets no style sheet.
 * After the library is unloaded, nothing the application holds points into
 * it: every text handed to Qt is a heap copy, the engine adds no event
 * filters, connections or timers, and unloading it replaces its style with a
 * plain copy of the base style (the palette stays), which first takes back
 * what the style changed on widgets.
 *
 * The skin file (all numbers little-endian):
 *
 *   offset  size  field
 *   0       4     ".SHE" (2E 53 48 45)
 *   4       2     00 03
 *   6       4     body size after decompression; at most 4 MiB
 *   10      5     LZMA properties: lc/lp/pb byte, dictionary size
 *   15      ...   raw LZMA1 stream of exactly the body size (an end marker
 *                 after it is allowed), then anything (our file: zeros)
 *
 * The body:
 *
 *   offset  size  field
 *   0       4     "DVTH"
 *   4       2     version, 1
 *   6       2     section count, at most 16
 *   8       4     body size, equal to the size declared in the file header
 *   12      4     CRC-32 of the body from offset 16 to its end
 *   16      8     password check: FNV-1a 64 of "dorvane skin password:"
 *                 followed by the password's GBK bytes
 *   24      8     reserved, zero
 *   32      12*n  section table: tag (4 ASCII), offset, length; each section
 *                 lies after the table and inside the body
 *   ...           the sections, then zero padding (our body: 175,192 bytes)
 *
 * Sections (each tag at most once; tags not listed here are skipped):
 *
 *   "STYL"  required; the base style's name in ASCII (letters, digits, - _;
 *           at most 32 bytes), made with QStyleFactory, e.g. "Fusion"
 *   "PALT"  required; 8 bytes an entry, at most 128: role, group, 0, 0, then
 *           the colour as 0xAARRGGBB. Roles: 0 Window, 1 WindowText, 2 Base,
 *           3 AlternateBase, 4 ToolTipBase, 5 ToolTipText, 6 PlaceholderText,
 *           7 Text, 8 Button, 9 ButtonText, 10 BrightText, 11 Light,
 *           12 Midlight, 13 Dark, 14 Mid, 15 Shadow, 16 Highlight,
 *           17 HighlightedText, 18 Link, 19 LinkVisited. Groups: 0 all,
 *           1 active, 2 inactive, 3 disabled. Laid over the base style's
 *           standard palette, in order.
 *   "QSS "  required; a style sheet, UTF-8 without zero bytes, at most
 *           256 KiB. Checked, not applied: the carried file keeps the sheet
 *           that describes the look the engine's style draws
 *   "TILE"  optional; width and height (2 bytes each, 1..256), then
 *           width*height pixels as 0xAARRGGBB, rows top down: tiled as the
 *           Window brush
 */
#ifndef DORVANE_SKINH_EL_H
#define DORVANE_SKINH_EL_H

#ifdef __cplusplus
extern "C" {
#endif

enum SkinH_Result {
    SkinH_Attached = 0,
    SkinH_NoApplication = 1, /* no QApplication, or not called on its thread */
    SkinH_BadPath = 2,       /* null, not GBK, or a drive that does not exist here */
    SkinH_Unreadable = 3,    /* missing, not a regular file, unreadable, over 1 MiB */
    SkinH_BadHeader = 4,     /* not a skin file: short header, wrong magic or version */
    SkinH_BadBodySize = 5,   /* declared body size out of bounds */
    SkinH_BadStream = 6,     /* LZMA properties or stream invalid, or the wrong size came out */
    SkinH_BadBody = 7,       /* the body's header, checksum or sections do not hold */
    SkinH_WrongPassword = 8,
    SkinH_NoStyle = 9, /* the base style cannot be made here */
    SkinH_Failed = 10  /* anything else, e.g. out of memory */
};

__attribute__((visibility("default"))) int SkinH_AttachEx(const char* skinFile,
                                                          const char* password);

#ifdef __cplusplus
}
#endif

#endif
