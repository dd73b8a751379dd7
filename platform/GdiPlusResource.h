#pragma once

#include "platform/GdiPlus.h"
#include "platform/UniqueResource.h"

#include <memory>

namespace corvatto {

// Releases a GDI+ object through the flat API call that belongs to its kind.
struct GdiPlusRelease {
    void operator()(Gdiplus::GpBrush* brush) const { Gdiplus::DllExports::GdipDeleteBrush(brush); }
    void operator()(Gdiplus::GpPen* pen) const { Gdiplus::DllExports::GdipDeletePen(pen); }
    void operator()(Gdiplus::GpPath* path) const { Gdiplus::DllExports::GdipDeletePath(path); }
    void operator()(Gdiplus::GpImage* image) const { Gdiplus::DllExports::GdipDisposeImage(image); }
    void operator()(Gdiplus::GpGraphics* graphics) const { Gdiplus::DllExports::GdipDeleteGraphics(graphics); }
    void operator()(Gdiplus::GpFont* font) const { Gdiplus::DllExports::GdipDeleteFont(font); }
    void operator()(Gdiplus::GpFontFamily* family) const { Gdiplus::DllExports::GdipDeleteFontFamily(family); }
};

// The one owner of a GDI+ object: a temporary of one drawing call, or an object a routine hands over.
template <typename GpObject>
using GdiPlusPtr = std::unique_ptr<GpObject, GdiPlusRelease>;

using UniqueGpImage = GdiPlusPtr<Gdiplus::GpImage>;
using UniqueGpGraphics = GdiPlusPtr<Gdiplus::GpGraphics>;
using UniqueGpFont = GdiPlusPtr<Gdiplus::GpFont>;
using UniqueGpFontFamily = GdiPlusPtr<Gdiplus::GpFontFamily>;
using UniqueStream = UniqueResource<ComObjectTraits<IStream>>;

} // namespace corvatto
