#include "ui/foundation/FrameworkGlobals.h"

namespace corvatto::ui {

FrameworkGlobals& Globals()
{
    static FrameworkGlobals globals;
    return globals;
}

void SetDefaultCursor(Field cursor, bool isHandle)
{
    // System cursors are shared: nobody destroys them.
    Globals().defaultCursor =
        isHandle ? reinterpret_cast<HCURSOR>(cursor) : LoadCursorW(nullptr, MAKEINTRESOURCEW(static_cast<WORD>(cursor)));
}

} // namespace corvatto::ui
