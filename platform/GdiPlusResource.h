#pragma once

#include "platform/GdiPlus.h"
#include "platform/UniqueResource.h"

namespace corvatto {

// Owners of GDI+ objects, each released through the flat API call that belongs to its kind.

struct GdiPlusImageTraits {
    using Type = Gdiplus::GpImage*;
    static Type Invalid() { return nullptr; }
    static void Close(Type image) { Gdiplus::DllExports::GdipDisposeImage(image); }
};

struct GdiPlusGraphicsTraits {
    using Type = Gdiplus::GpGraphics*;
    static Type Invalid() { return nullptr; }
    static void Close(Type graphics) { Gdiplus::DllExports::GdipDeleteGraphics(graphics); }
};

struct GdiPlusFontTraits {
    using Type = Gdiplus::GpFont*;
    static Type Invalid() { return nullptr; }
    static void Close(Type font) { Gdiplus::DllExports::GdipDeleteFont(font); }
};

struct GdiPlusFontFamilyTraits {
    using Type = Gdiplus::GpFontFamily*;
    static Type Invalid() { return nullptr; }
    static void Close(Type family) { Gdiplus::DllExports::GdipDeleteFontFamily(family); }
};

using UniqueGpImage = UniqueResource<GdiPlusImageTraits>;
using UniqueGpGraphics = UniqueResource<GdiPlusGraphicsTraits>;
using UniqueGpFont = UniqueResource<GdiPlusFontTraits>;
using UniqueGpFontFamily = UniqueResource<GdiPlusFontFamilyTraits>;
using UniqueStream = UniqueResource<ComObjectTraits<IStream>>;

} // namespace corvatto
