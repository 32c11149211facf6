// The layouts' fonts, made once per size and kept for the whole run.
#pragma once

#include "win32/Win32Api.h"

namespace ringlook::win32 {

// "MS Sans Serif" at a character height of pixels.
HFONT SansFont(int pixels);
// "Lucida Sans Typewriter", or the fixed-pitch font the system puts in its
// place: the list's columns must line up. Character height, or the cell height
// (including internal leading) when asCellHeight.
HFONT FixedPitchFont(int pixels, bool asCellHeight = false);
// The cell height of a font, in pixels.
int CellHeight(HFONT font);
// The width of text in the font of window, in pixels.
int TextWidth(HWND window, const char* text);
// A button's designed width, or more where its caption needs the room.
int ButtonWidth(HWND window, const char* caption, int designed);

}  // namespace ringlook::win32
