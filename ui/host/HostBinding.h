#pragma once

#include "platform/Win32.h"
#include "ui/foundation/Field.h"

namespace corvatto::ui {

// Puts the host between a window and its window procedure: the host publishes itself in the window's
// "Corvatto_Wnd_Control" property and every message reaches the host's procedure first, which passes on
// what it does not consume. False when the window is 0, not a window, or already this host's.
bool BindHostToWindow(Field host, HWND window);

// Lets the window go again: the previous procedure is back, the host's elements are destroyed and its
// routing state is cleared. Does nothing for a host that was never bound.
void DetachHost(Field host, HWND window);

} // namespace corvatto::ui
