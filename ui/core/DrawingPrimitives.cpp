#include "ui/core/DrawingPrimitives.h"

#include <cmath>

namespace corvatto::ui {

using namespace Gdiplus::DllExports;

RectRecord MakeRect(int x, int y, int width, int height)
{
    return {static_cast<float>(x), static_cast<float>(y), static_cast<float>(width), static_cast<float>(height)};
}

void AdjustRect(float dx, float dy, float dw, float dh, RectRecord& rect)
{
    rect.x += dx;
    rect.y += dy;
    rect.width += dw;
    rect.height += dh;
}

GdiPlusPtr<Gdiplus::GpPath> RoundedRectPath(const RectRecord& rect, float cornerSize, Gdiplus::FillMode fillMode)
{
    Gdiplus::GpPath* created = nullptr;
    if (GdipCreatePath(fillMode, &created) != Gdiplus::Ok)
        return nullptr;
    GdiPlusPtr<Gdiplus::GpPath> path(created);

    const float d = cornerSize;
    const float right = rect.x + rect.width - d - 1;
    const float bottom = rect.y + rect.height - d - 1;
    GdipAddPathArc(path.get(), rect.x, rect.y, d, d, 180, 90);
    GdipAddPathArc(path.get(), right, rect.y, d, d, 270, 90);
    GdipAddPathArc(path.get(), right, bottom, d, d, 0, 90);
    GdipAddPathArc(path.get(), rect.x, bottom, d, d, 90, 90);
    GdipClosePathFigure(path.get());
    return path;
}

void FillRoundedRect(Gdiplus::GpGraphics* graphics, const RectRecord& rect, float cornerSize, Argb colour)
{
    GdiPlusPtr<Gdiplus::GpPath> path = RoundedRectPath(rect, cornerSize);
    if (path)
        FillPath(graphics, path.get(), colour);
}

void DrawRoundedRect(Gdiplus::GpGraphics* graphics, const RectRecord& rect, float cornerSize, Argb colour,
                     Gdiplus::DashStyle dashStyle, float penWidth)
{
    GdiPlusPtr<Gdiplus::GpPath> path = RoundedRectPath(rect, cornerSize);
    GdiPlusPtr<Gdiplus::GpPen> pen = MakePen(colour, penWidth);
    if (!path || !pen)
        return;
    GdipSetPenDashStyle(pen.get(), dashStyle);
    GdipDrawPath(graphics, pen.get(), path.get());
}

void FillPath(Gdiplus::GpGraphics* graphics, Gdiplus::GpPath* path, Argb colour)
{
    if (GdiPlusPtr<Gdiplus::GpSolidFill> brush = SolidBrush(colour))
        GdipFillPath(graphics, brush.get(), path);
}

void DrawPath(Gdiplus::GpGraphics* graphics, Gdiplus::GpPath* path, Argb colour, float penWidth)
{
    if (GdiPlusPtr<Gdiplus::GpPen> pen = MakePen(colour, penWidth))
        GdipDrawPath(graphics, pen.get(), path);
}

GdiPlusPtr<Gdiplus::GpSolidFill> SolidBrush(Argb colour)
{
    Gdiplus::GpSolidFill* brush = nullptr;
    GdipCreateSolidFill(colour, &brush);
    return GdiPlusPtr<Gdiplus::GpSolidFill>(brush);
}

GdiPlusPtr<Gdiplus::GpPen> MakePen(Argb colour, float width, Gdiplus::Unit unit)
{
    Gdiplus::GpPen* pen = nullptr;
    GdipCreatePen1(colour, width, unit, &pen);
    return GdiPlusPtr<Gdiplus::GpPen>(pen);
}

void DrawImageAt(Gdiplus::GpGraphics* graphics, Gdiplus::GpImage* image, const RectRecord& rect, bool centre)
{
    UINT width = 0;
    UINT height = 0;
    if (GdipGetImageWidth(image, &width) != Gdiplus::Ok || GdipGetImageHeight(image, &height) != Gdiplus::Ok)
        return;

    double left = std::trunc(rect.x);
    double top = std::trunc(rect.y);
    if (centre) {
        // std::round takes halves away from zero, as every rounding in the framework does.
        left = std::round(rect.x - (width - static_cast<double>(rect.width)) / 2);
        top = std::round(rect.y - (height - static_cast<double>(rect.height)) / 2);
    }
    GdipDrawImageRect(graphics, image, static_cast<float>(left), static_cast<float>(top), static_cast<float>(width),
                      static_cast<float>(height));
}

} // namespace corvatto::ui
