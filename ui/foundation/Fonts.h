#pragma once

#include "platform/GdiPlusResource.h"
#include "ui/foundation/Field.h"

#include <span>

namespace corvatto::ui {

// The system fonts whose face SystemFontFace reports.
enum class SystemFont { Menu = 1, Caption = 2, Message = 3 };

// The face of one of the system's fonts, when GDI+ can use it; "宋体" when it cannot, when the face is
// "Tahoma" or when the system does not say.
Text SystemFontFace(SystemFont kind = SystemFont::Caption);

// A font of the named face, `size` pixels high, with a GDI+ style (1 bold, 2 italic, 4 underline,
// 8 strikeout). A face GDI+ does not find gives the default font's family instead; with no default
// font either, there is no font.
UniqueGpFont CreateFontByName(const Text& face, float size, int style);

// The family name of a font; empty for no font.
Text FontFamilyName(Gdiplus::GpFont* font);

// The framework's default font, 12 pixels, regular: in "宋体", else in the caption font's face; no font
// when GDI+ can use neither.
UniqueGpFont CreateDefaultFont();
// The same from the first of `faces` that GDI+ can use.
UniqueGpFont CreateDefaultFont(std::span<const Text> faces);

} // namespace corvatto::ui
