#include "app/DesktopShortcut.h"

namespace corvatto {

// The shortcut writer arrives in its own change.
void CreateProgramShortcut() {}

} // namespace corvatto
