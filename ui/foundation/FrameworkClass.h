#pragma once

#include "platform/Win32.h"
#include "ui/foundation/Field.h"

#include <optional>

namespace corvatto::ui {

// The framework's window class, with which it creates its own windows (the popup menus).
struct FrameworkClassOptions {
    Text name = "Corvatto_UI";
    UINT style = CS_DBLCLKS;
    // Default: the module's icon resource 129, which the program does not carry, so the class has none.
    std::optional<HICON> icon;
    // Default: the framework's default cursor.
    std::optional<HCURSOR> cursor;
    // Default: a procedure that leaves every message to DefWindowProcW.
    WNDPROC windowProc = nullptr;
};

// Registers the class in this module; the atom, or 0 on failure.
ATOM RegisterFrameworkClass(const FrameworkClassOptions& options = {});

} // namespace corvatto::ui
