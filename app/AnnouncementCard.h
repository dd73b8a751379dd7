#pragma once

#include "platform/Win32.h"

#include <string>

namespace corvatto {

// Hands the main window to the UI framework and shows the announcement under the scratch-off card at
// (x, y, width, height) of the window's client area.
void SetUpAnnouncementCard(HWND window, int x, int y, int width, int height, const std::string& text);

} // namespace corvatto
