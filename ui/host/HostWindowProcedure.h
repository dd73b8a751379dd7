#pragma once

#include "ui/foundation/Field.h"

namespace corvatto::ui {

// Every message of a bound window passes through here first: the application's message hook, the
// framework's own messages and the element timers. What the host does not consume goes on to the
// window's previous procedure.
Field HostWindowProcedure(Field host, Field message, Field wparam, Field lparam);

} // namespace corvatto::ui
