#pragma once

#include "platform/GdiPlus.h"

#include <memory>

namespace corvatto::ui {

// Releases a GDI+ object through the flat API call that belongs to its kind.
struct GdiPlusRelease {
    void operator()(Gdiplus::GpBrush* brush) const { Gdiplus::DllExports::GdipDeleteBrush(brush); }
    void operator()(Gdiplus::GpPen* pen) const { Gdiplus::DllExports::GdipDeletePen(pen); }
    void operator()(Gdiplus::GpPath* path) const { Gdiplus::DllExports::GdipDeletePath(path); }
    void operator()(Gdiplus::GpImage* image) const { Gdiplus::DllExports::GdipDisposeImage(image); }
    void operator()(Gdiplus::GpGraphics* graphics) const { Gdiplus::DllExports::GdipDeleteGraphics(graphics); }
};

// The one owner of a GDI+ object: a temporary of one drawing call, or an object a routine hands over.
template <typename GpObject>
using GdiPlusPtr = std::unique_ptr<GpObject, GdiPlusRelease>;

} // namespace corvatto::ui
