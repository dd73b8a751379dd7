#pragma once

#include "ui/foundation/Field.h"

namespace corvatto::ui {

// The elements alive in each host. Messages and timers name elements by handle; a handle that is not
// registered with the host (a foreign timer, another process's message, a destroyed element) is never
// dereferenced.
void RegisterElement(Field host, Field element);
void UnregisterElement(Field element);
bool IsLiveElement(Field host, Field element);
// Any host's.
bool IsLiveElement(Field element);

} // namespace corvatto::ui
