#include "ui/foundation/FrameworkInit.h"

namespace corvatto::ui {

// The framework's globals, window class and menus arrive with the framework itself.
void InitFramework() {}

} // namespace corvatto::ui
