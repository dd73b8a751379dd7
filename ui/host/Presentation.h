#pragma once

#include "ui/core/RectRecord.h"
#include "ui/foundation/Field.h"

namespace corvatto::ui {

// Brings an area of the back buffer to the screen: copied to an opaque window's DC, or the whole buffer
// pushed with its per-pixel alpha to a layered window. Nothing happens while the host is busy.
void PresentArea(Field host, const RectRecord& area);

} // namespace corvatto::ui
