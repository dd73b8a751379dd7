#pragma once

#include "ui/menus/PopupMenu.h"

namespace corvatto::ui {

// Adds the edit-control context menu: Cut, Copy, Paste, a separator and Select All. Each command
// item sends WM_COMMAND with the character code of its shortcut letter (X, C, V, A) to the owner.
void FillEditContextMenu(PopupMenu& menu);

} // namespace corvatto::ui
