#pragma once

#include "platform/Win32.h"

namespace corvatto::ui {

// Style bits of a window: the extended style when extended is set, else the style. The style is
// written only when the routine changes it as a whole: Add when none of the bits is set yet, Remove
// when at least one of them is set.
void AddWindowStyle(HWND window, DWORD bits, bool extended);
void RemoveWindowStyle(HWND window, DWORD bits, bool extended);
// True when any of the bits is set.
bool HasWindowStyle(HWND window, DWORD bits, bool extended);

} // namespace corvatto::ui
