// GDI painting of the skin's look: window backgrounds (the tile, aligned over
// the whole top-level window), push buttons in their states, group boxes with
// their titles, text labels. Every DC handed in has the control's client
// coordinates; each paint draws into a buffer first and copies it once.
// Does not decide which windows are skinned or when (skin_windows.h does).
#pragma once

#include <windows.h>

#include "skin_format.h"
#include "skin_look.h"

namespace dorvane::skin {

// The skin's look and the GDI objects made from it, owned together: made by
// Make, every object released by Release.
struct Painter {
    Theme theme;
    Look look;
    HBRUSH tileBrush = nullptr;   // the window tile, or its colour
    HBRUSH groupBrush = nullptr;  // the group box's fill as one colour, for controls we leave alone
    int tileWidth = 1;
    int tileHeight = 1;

    bool Make();  // after theme is set; false (nothing held) when GDI refuses
    void Release();
};

enum class Kind : std::uint8_t { TopLevel, Button, Static };

// What the engine knows of a window: asked by the painter about parents.
struct WindowFacts {
    virtual bool IsSkinned(HWND window, Kind& kind) const = 0;
    virtual bool IsHot(HWND window) const = 0;
};

COLORREF ColourRef(std::uint32_t argb);

// The background a window shows, as its children see it behind them.
void PaintBackground(const Painter& painter, const WindowFacts& facts, HWND window, HDC dc);

// The brush and text colour for a control the engine does not paint itself.
HBRUSH ControlBrush(const Painter& painter, const WindowFacts& facts, HWND parent, HWND control,
                    HDC dc);
COLORREF DefaultTextColour(const Painter& painter, HWND control);

bool PaintsButton(HWND button);  // push buttons and group boxes, not owner-drawn ones
bool PaintsStatic(HWND label);   // text kinds only
void PaintButton(const Painter& painter, const WindowFacts& facts, HWND button, HDC target);
void PaintStatic(const Painter& painter, const WindowFacts& facts, HWND label, HDC target);

}  // namespace dorvane::skin
