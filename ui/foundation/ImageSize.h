#pragma once

#include "platform/GdiPlus.h"

namespace corvatto::ui {

// The size of a GDI+ image in pixels; 0 for no image or when GDI+ cannot tell.
int ImageWidth(Gdiplus::GpImage* image);
int ImageHeight(Gdiplus::GpImage* image);

} // namespace corvatto::ui
