#pragma once

namespace corvatto {

// The main window's shortcut button: puts a shortcut to the program on the desktop.
void CreateProgramShortcut();

} // namespace corvatto
