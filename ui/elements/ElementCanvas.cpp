#include "ui/elements/ElementCanvas.h"

#include "platform/GdiPlus.h"
#include "ui/core/ElementFields.h"
#include "ui/core/ObjectModel.h"

namespace corvatto::ui {

using namespace Gdiplus;
using enum ElementField;

void CreateCanvas(Field element, int width, int height, CanvasFormat format)
{
    ReleaseCanvas(element);
    if (ReadField(element, ClassId) == kClassWithoutCanvasId)
        width = height = 1;
    PixelFormat pixels = format == CanvasFormat::Argb ? PixelFormat32bppARGB : PixelFormat32bppPARGB;
    GpBitmap* canvas = nullptr;
    if (width <= 0 || height <= 0 ||
        DllExports::GdipCreateBitmapFromScan0(width, height, 0, pixels, nullptr, &canvas) != Ok)
        return;
    GpGraphics* graphics = nullptr;
    if (DllExports::GdipGetImageGraphicsContext(canvas, &graphics) != Ok) {
        DllExports::GdipDisposeImage(canvas);
        return;
    }
    DllExports::GdipSetSmoothingMode(graphics, SmoothingModeAntiAlias);
    DllExports::GdipSetTextRenderingHint(graphics, TextRenderingHintAntiAliasGridFit);
    WriteField(element, Canvas, AsField(canvas));
    WriteField(element, CanvasGraphics, AsField(graphics));
}

void ReleaseCanvas(Field element)
{
    if (auto* graphics = FieldAs<GpGraphics>(ReadField(element, CanvasGraphics)))
        DllExports::GdipDeleteGraphics(graphics);
    if (auto* canvas = FieldAs<GpImage>(ReadField(element, Canvas)))
        DllExports::GdipDisposeImage(canvas);
    if (auto* snapshot = FieldAs<GpImage>(ReadField(element, TransitionImage)))
        DllExports::GdipDisposeImage(snapshot);
    WriteField(element, CanvasGraphics, 0);
    WriteField(element, Canvas, 0);
    WriteField(element, TransitionImage, 0);
}

} // namespace corvatto::ui
