#include "ui/foundation/Fonts.h"

#include "ui/foundation/FrameworkGlobals.h"
#include "ui/foundation/WideText.h"

#include <cstddef>
#include <cstring>
#include <string_view>

namespace corvatto::ui {
namespace {

using namespace Gdiplus::DllExports;

constexpr float kDefaultFontSize = 12.0f;

const Text& SongTi()
{
    static const Text face = [] {
        constexpr std::wstring_view kFace = L"\u5B8B\u4F53";
        ByteArray wide((kFace.size() + 1) * sizeof(wchar_t), 0);
        std::memcpy(wide.data(), kFace.data(), kFace.size() * sizeof(wchar_t));
        return WideToText(wide);
    }();
    return face;
}

UniqueGpFontFamily FamilyFromName(const Text& face)
{
    const ByteArray wide = TextToWide(face);
    Gdiplus::GpFontFamily* family = nullptr;
    const Gdiplus::GpStatus status =
        GdipCreateFontFamilyFromName(reinterpret_cast<const wchar_t*>(wide.data()), nullptr, &family);
    // A failed call may still have made an object, which the owner releases.
    UniqueGpFontFamily owner(family);
    if (status != Gdiplus::Ok)
        return {};
    return owner;
}

UniqueGpFontFamily FamilyOf(Gdiplus::GpFont* font)
{
    Gdiplus::GpFontFamily* family = nullptr;
    if (font == nullptr || GdipGetFamily(font, &family) != Gdiplus::Ok)
        return {};
    return UniqueGpFontFamily(family);
}

UniqueGpFont FontOf(Gdiplus::GpFontFamily* family, float size, int style)
{
    Gdiplus::GpFont* font = nullptr;
    if (GdipCreateFont(family, size, style, Gdiplus::UnitPixel, &font) != Gdiplus::Ok)
        return {};
    return UniqueGpFont(font);
}

const LOGFONTA& FontOfKind(const NONCLIENTMETRICSA& metrics, SystemFont kind)
{
    switch (kind) {
    case SystemFont::Menu:
        return metrics.lfMenuFont;
    case SystemFont::Message:
        return metrics.lfMessageFont;
    case SystemFont::Caption:
        break;
    }
    return metrics.lfCaptionFont;
}

} // namespace

Text SystemFontFace(SystemFont kind)
{
    // The block without its last field, the padded border width, which older systems do not know.
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
    static_assert(offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth) == 340);
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
        return SongTi();

    const char* name = FontOfKind(metrics, kind).lfFaceName;
    Text face(name, strnlen(name, LF_FACESIZE));
    if (face == "Tahoma")
        return SongTi();
    // Asks GDI+ for the face itself: a stand-in family from the default font would hide a face that
    // cannot be used, and there is no default font yet while the default font is being chosen.
    return FamilyFromName(face) ? face : SongTi();
}

UniqueGpFont CreateFontByName(const Text& face, float size, int style)
{
    UniqueGpFontFamily family = FamilyFromName(face);
    // The default font's own family rather than one looked up by its name, which would have to pass
    // through the ANSI code page.
    if (!family)
        family = FamilyOf(DefaultFont());
    if (!family)
        return {};
    return FontOf(family.get(), size, style);
}

Text FontFamilyName(Gdiplus::GpFont* font)
{
    UniqueGpFontFamily family = FamilyOf(font);
    WCHAR name[LF_FACESIZE] = {};
    if (!family || GdipGetFamilyName(family.get(), name, 0) != Gdiplus::Ok)
        return {};
    ByteArray wide(sizeof name, 0);
    std::memcpy(wide.data(), name, sizeof name);
    return WideToText(wide);
}

UniqueGpFont CreateDefaultFont()
{
    // The caption font's face is looked up only when "宋体" cannot be used.
    if (UniqueGpFont font = CreateDefaultFont(std::span(&SongTi(), 1)))
        return font;
    const Text caption = SystemFontFace(SystemFont::Caption);
    return CreateDefaultFont(std::span(&caption, 1));
}

UniqueGpFont CreateDefaultFont(std::span<const Text> faces)
{
    for (const Text& face : faces) {
        if (UniqueGpFontFamily family = FamilyFromName(face))
            return FontOf(family.get(), kDefaultFontSize, Gdiplus::FontStyleRegular);
    }
    return {};
}

} // namespace corvatto::ui
