#include "ui/host/Presentation.h"

#include "platform/Win32.h"
#include "ui/core/ObjectModel.h"
#include "ui/foundation/RawMemory.h"
#include "ui/host/HostFields.h"
#include "ui/host/HostWindow.h"

namespace corvatto::ui {

using enum HostField;

void PresentArea(Field host, const RectRecord& area)
{
    if (!ObjectOf(host) || ReadField(host, busy) != 0)
        return;
    HDC source = FieldAs<HDC__>(ReadField(host, backDc));
    if (!source)
        return;
    HWND window = FieldAs<HWND__>(ReadField(host, hwnd));
    if (ReadField(host, windowAlpha) == -1) {
        BitBlt(FieldAs<HDC__>(ReadField(host, windowDc)), static_cast<int>(TruncToInt64(area.x)),
               static_cast<int>(TruncToInt64(area.y)), static_cast<int>(TruncToInt64(area.width)),
               static_cast<int>(TruncToInt64(area.height)), source, static_cast<int>(TruncToInt64(area.x)),
               static_cast<int>(TruncToInt64(area.y)), SRCCOPY);
        return;
    }
    const HostSize whole = *SizeOf(host);
    SIZE extent{whole.width, whole.height};
    POINT origin{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(window, nullptr, nullptr, &extent, source, &origin, 0, &blend, ULW_ALPHA);
}

} // namespace corvatto::ui
