#pragma once

#include "platform/GdiPlusResource.h"
#include "ui/foundation/Field.h"

namespace corvatto::ui {

// The framework's process-wide state. InitFramework sets it once; the rest of the framework reads it.
// The default font and the image strip live until the process ends.
struct FrameworkGlobals {
    ULONG_PTR gdiplusToken = 0; // GDI+ is never shut down
    int osMajorVersion = 0;     // 6 for Vista and 7
    UniqueGpFont defaultFont;   // none when no face could be used
    HCURSOR defaultCursor = nullptr;
    UniqueGpImage sharedImageStrip; // the caption buttons' cells, 32-bit premultiplied ARGB
};

FrameworkGlobals& Globals();

inline int OsMajorVersion() { return Globals().osMajorVersion; }
inline Gdiplus::GpFont* DefaultFont() { return Globals().defaultFont.get(); }
inline HCURSOR DefaultCursor() { return Globals().defaultCursor; }
inline Gdiplus::GpImage* SharedImageStrip() { return Globals().sharedImageStrip.get(); }

// Sets the default cursor: a cursor handle when isHandle is set, otherwise the identifier of a system
// cursor (IDC_ARROW and its siblings) to load.
void SetDefaultCursor(Field cursor, bool isHandle);

} // namespace corvatto::ui
