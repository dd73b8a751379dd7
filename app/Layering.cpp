#include "app/Layering.h"

namespace corvatto {

void ApplyLayering(HWND window, int alpha, COLORREF colourKey, bool clickThrough)
{
    LONG_PTR exStyle = WS_EX_LAYERED;
    if (clickThrough)
        exStyle |= GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_TRANSPARENT;
    SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle);

    auto opacity = static_cast<BYTE>(alpha & 0xFF);
    DWORD flags = LWA_ALPHA;
    if (colourKey != 0)
        flags = opacity == 0 ? LWA_COLORKEY : LWA_COLORKEY | LWA_ALPHA;
    SetLayeredWindowAttributes(window, colourKey, opacity, flags);
}

} // namespace corvatto
