#pragma once

#include "ui/foundation/Field.h"

#include <span>

namespace corvatto::ui {

class PopupMenu;

// One-time start-up of the UI framework, before any of its windows exists: starts GDI+, records the
// Windows version, makes the default font and cursor, loads the shared image strip, registers the
// framework's window class and fills `editContextMenu` with the edit-control context menu. Nothing is
// checked: whatever fails leaves its global at 0 and the framework runs on without it.
void InitFramework(PopupMenu& editContextMenu);
// The same with the default font made from the first of `fontFaces` that GDI+ can use.
void InitFramework(PopupMenu& editContextMenu, std::span<const Text> fontFaces);

} // namespace corvatto::ui
