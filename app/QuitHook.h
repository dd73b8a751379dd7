#pragma once

#include "platform/Win32.h"

namespace corvatto {

// Sees every message of the main window before it is handled: the main window's destruction ends the
// message loop. Returns -1 so that the message is always handled as usual afterwards.
LRESULT QuitHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace corvatto
