#pragma once

#include "platform/Win32.h"
#include "ui/core/RectRecord.h"
#include "ui/foundation/Field.h"

namespace corvatto::ui {

// Left and top edges belong to the rectangle, right and bottom edges do not (with a 1e-7 tolerance).
bool PointInBounds(const RectRecord* bounds, int x, int y);

// The deepest visible, enabled element under the point, searching a sibling list from its newest end:
// newer siblings win over older ones and children over their parent, and children are only found inside
// their parent's bounds. 0 when none.
Field HitTestList(Field newest, int x, int y);

// The topmost eligible element of a window's host under a point in screen coordinates: the cursor
// position, or the given point when useGivenPoint is set.
Field HitTestWindow(HWND window, int x, int y, bool useGivenPoint);

} // namespace corvatto::ui
