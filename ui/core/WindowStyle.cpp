#include "ui/core/WindowStyle.h"

namespace corvatto::ui {
namespace {

int StyleIndex(bool extended)
{
    return extended ? GWL_EXSTYLE : GWL_STYLE;
}

DWORD ReadStyle(HWND window, bool extended)
{
    return static_cast<DWORD>(GetWindowLongW(window, StyleIndex(extended)));
}

// Every write sends WM_STYLECHANGING and WM_STYLECHANGED to the window, so the routines below write
// only when they have something to change.
void WriteStyle(HWND window, bool extended, DWORD style)
{
    SetWindowLongW(window, StyleIndex(extended), static_cast<LONG>(style));
}

} // namespace

void AddWindowStyle(HWND window, DWORD bits, bool extended)
{
    const DWORD style = ReadStyle(window, extended);
    if ((style & bits) == 0)
        WriteStyle(window, extended, style | bits);
}

void RemoveWindowStyle(HWND window, DWORD bits, bool extended)
{
    const DWORD style = ReadStyle(window, extended);
    if ((style & bits) != 0)
        WriteStyle(window, extended, style & ~bits);
}

bool HasWindowStyle(HWND window, DWORD bits, bool extended)
{
    return (ReadStyle(window, extended) & bits) != 0;
}

} // namespace corvatto::ui
