#pragma once

#include "ui/foundation/Field.h"

namespace corvatto::ui {

// The built-in check mark that a checked menu item shows in its icon column: a complete 20 x 20 RGBA
// PNG, grey-blue on a transparent ground.
const ByteArray& CheckMarkImage();

} // namespace corvatto::ui
