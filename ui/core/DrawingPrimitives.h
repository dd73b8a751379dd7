#pragma once

#include "platform/GdiPlus.h"
#include "ui/core/Colour.h"
#include "platform/GdiPlusResource.h"
#include "ui/core/RectRecord.h"

namespace corvatto::ui {

// A rectangle record of whole pixels.
RectRecord MakeRect(int x, int y, int width, int height);
// Adds the four values to the record's x, y, width and height.
void AdjustRect(float dx, float dy, float dw, float dh, RectRecord& rect);

// Four quarter arcs whose bounding squares have side cornerSize, closed into one figure. The figure
// runs from x to x + width - 1 and from y to y + height - 1, so a one-pixel outline stays inside the
// rectangle. nullptr when GDI+ cannot make the path.
GdiPlusPtr<Gdiplus::GpPath> RoundedRectPath(const RectRecord& rect, float cornerSize,
                                            Gdiplus::FillMode fillMode = Gdiplus::FillModeAlternate);
void FillRoundedRect(Gdiplus::GpGraphics* graphics, const RectRecord& rect, float cornerSize, Argb colour);
void DrawRoundedRect(Gdiplus::GpGraphics* graphics, const RectRecord& rect, float cornerSize, Argb colour,
                     Gdiplus::DashStyle dashStyle, float penWidth = 1.0f);

// The path stays the caller's.
void FillPath(Gdiplus::GpGraphics* graphics, Gdiplus::GpPath* path, Argb colour);
void DrawPath(Gdiplus::GpGraphics* graphics, Gdiplus::GpPath* path, Argb colour, float penWidth = 1.0f);

GdiPlusPtr<Gdiplus::GpSolidFill> SolidBrush(Argb colour);
GdiPlusPtr<Gdiplus::GpPen> MakePen(Argb colour, float width = 1.0f, Gdiplus::Unit unit = Gdiplus::UnitWorld);

// Draws the image at its own size: at the rectangle's top-left corner (truncated to whole pixels), or
// with centre set centred on the rectangle (rounded, halves away from zero), where it may stick out.
void DrawImageAt(Gdiplus::GpGraphics* graphics, Gdiplus::GpImage* image, const RectRecord& rect, bool centre);

} // namespace corvatto::ui
