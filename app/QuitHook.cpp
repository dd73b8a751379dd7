#include "app/QuitHook.h"

namespace corvatto {

LRESULT QuitHook(HWND, UINT message, WPARAM, LPARAM)
{
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return -1;
}

} // namespace corvatto
