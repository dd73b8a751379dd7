#pragma once

#include "platform/Win32.h"

namespace corvatto {

// Makes a window layered with the given opacity (0..255) and optional colour key. Without click-through
// the extended style becomes exactly WS_EX_LAYERED; with it, the pointer passes through the window.
void ApplyLayering(HWND window, int alpha, COLORREF colourKey = 0, bool clickThrough = false);

} // namespace corvatto
