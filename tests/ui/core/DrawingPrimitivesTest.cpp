#include "ui/core/DrawingPrimitives.h"

#include "tests/ui/core/GdiPlusTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>
#include <vector>

namespace corvatto::ui {
namespace {

using namespace Gdiplus::DllExports;
using testing::Canvas;

constexpr Argb kRed = 0xFFFF0000;

TEST(ToArgbTest, SwapsRedAndBlueAndNeverGivesAlpha255)
{
    struct Case {
        ColourRef colour;
        std::optional<int> alpha;
        Argb expected;
    };
    const Case cases[] = {
        {0x0000FF, std::nullopt, 0xFEFF0000}, {0xFFFFFF, 0, 0x00FFFFFF},   {0x000000, 255, 0xFE000000},
        {0xECE4D1, std::nullopt, 0xFED1E4EC}, {0x123456, 128, 0x80563412}, {0xAB0000FF, 210, 0xD2FF0000},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToArgb(c.colour, c.alpha), c.expected)
            << std::hex << "colour 0x" << c.colour << " alpha " << c.alpha.value_or(-1);
    }
}

TEST(RectRecordTest, MakeRectAndAdjustRect)
{
    RectRecord rect = MakeRect(1, -2, 30, 40);
    EXPECT_EQ(rect.x, 1.0f);
    EXPECT_EQ(rect.y, -2.0f);
    EXPECT_EQ(rect.width, 30.0f);
    EXPECT_EQ(rect.height, 40.0f);

    AdjustRect(-1, -1.5f, 2, 3, rect);
    EXPECT_EQ(rect.x, 0.0f);
    EXPECT_EQ(rect.y, -3.5f);
    EXPECT_EQ(rect.width, 32.0f);
    EXPECT_EQ(rect.height, 43.0f);
}

class DrawingPrimitivesTest : public testing::GdiPlusTest {};

std::vector<Gdiplus::PointF> PathPoints(Gdiplus::GpPath* path)
{
    INT count = 0;
    GdipGetPointCount(path, &count);
    std::vector<Gdiplus::PointF> points(static_cast<std::size_t>(count));
    if (count > 0)
        GdipGetPathPoints(path, points.data(), count);
    return points;
}

TEST_F(DrawingPrimitivesTest, RoundedPathEndsOnePixelShortOfTheRectangle)
{
    GdiPlusPtr<Gdiplus::GpPath> path = RoundedRectPath(MakeRect(0, 0, 10, 10), 4);
    ASSERT_TRUE(path);

    Gdiplus::RectF bounds;
    ASSERT_EQ(GdipGetPathWorldBounds(path.get(), &bounds, nullptr, nullptr), Gdiplus::Ok);
    EXPECT_NEAR(bounds.X, 0, 1e-4);
    EXPECT_NEAR(bounds.Y, 0, 1e-4);
    EXPECT_NEAR(bounds.X + bounds.Width, 9, 1e-4);
    EXPECT_NEAR(bounds.Y + bounds.Height, 9, 1e-4);

    // The ends of the four arcs, clockwise from the left: the right arcs lie in squares at x = 5, the
    // bottom ones in squares at y = 5.
    const Gdiplus::PointF arcEnds[] = {{0, 2}, {2, 0}, {7, 0}, {9, 2}, {9, 7}, {7, 9}, {2, 9}, {0, 7}};
    std::vector<Gdiplus::PointF> points = PathPoints(path.get());
    std::size_t next = 0;
    for (const Gdiplus::PointF& point : points) {
        if (next < std::size(arcEnds) && std::abs(point.X - arcEnds[next].X) < 1e-3 &&
            std::abs(point.Y - arcEnds[next].Y) < 1e-3)
            ++next;
    }
    EXPECT_EQ(next, std::size(arcEnds)) << "arc end " << next << " missing or out of order";

    std::vector<BYTE> types(points.size());
    GdipGetPathTypes(path.get(), types.data(), static_cast<INT>(types.size()));
    ASSERT_FALSE(types.empty());
    EXPECT_TRUE(types.back() & Gdiplus::PathPointTypeCloseSubpath) << "figure not closed";
}

TEST_F(DrawingPrimitivesTest, RoundedPathTakesTheFillMode)
{
    for (Gdiplus::FillMode mode : {Gdiplus::FillModeAlternate, Gdiplus::FillModeWinding}) {
        GdiPlusPtr<Gdiplus::GpPath> path = RoundedRectPath(MakeRect(2, 3, 20, 10), 3, mode);
        ASSERT_TRUE(path);
        Gdiplus::FillMode actual = Gdiplus::FillModeAlternate;
        GdipGetPathFillMode(path.get(), &actual);
        EXPECT_EQ(actual, mode);
    }
}

TEST_F(DrawingPrimitivesTest, BrushAndPenCarryTheirColourWidthAndUnit)
{
    GdiPlusPtr<Gdiplus::GpSolidFill> brush = SolidBrush(0x80102030);
    ASSERT_TRUE(brush);
    Gdiplus::ARGB brushColour = 0;
    GdipGetSolidFillColor(brush.get(), &brushColour);
    EXPECT_EQ(brushColour, 0x80102030u);

    struct Case {
        float width;
        Gdiplus::Unit unit;
    };
    for (Case c : {Case{1.0f, Gdiplus::UnitWorld}, Case{2.5f, Gdiplus::UnitPixel}}) {
        GdiPlusPtr<Gdiplus::GpPen> pen = MakePen(0xFE0000FF, c.width, c.unit);
        ASSERT_TRUE(pen);
        Gdiplus::ARGB penColour = 0;
        float width = 0;
        Gdiplus::Unit unit = Gdiplus::UnitDisplay;
        GdipGetPenColor(pen.get(), &penColour);
        GdipGetPenWidth(pen.get(), &width);
        GdipGetPenUnit(pen.get(), &unit);
        EXPECT_EQ(penColour, 0xFE0000FFu);
        EXPECT_EQ(width, c.width);
        EXPECT_EQ(unit, c.unit);
    }
    float defaultWidth = 0;
    GdipGetPenWidth(MakePen(kRed).get(), &defaultWidth);
    EXPECT_EQ(defaultWidth, 1.0f);
}

TEST_F(DrawingPrimitivesTest, RoundedRectangleIsFilledAndOutlinedInsideItsBounds)
{
    Canvas filled(12, 12);
    FillRoundedRect(filled.graphics(), MakeRect(0, 0, 10, 10), 4, kRed);
    EXPECT_EQ(filled.Pixel(5, 5), kRed);
    EXPECT_EQ(filled.Pixel(0, 0), 0u) << "corner not rounded";
    EXPECT_EQ(filled.Pixel(10, 5), 0u);
    EXPECT_EQ(filled.Pixel(5, 10), 0u);

    Canvas outlined(12, 12);
    DrawRoundedRect(outlined.graphics(), MakeRect(0, 0, 10, 10), 4, kRed, Gdiplus::DashStyleSolid);
    EXPECT_EQ(outlined.Pixel(9, 5), kRed);
    EXPECT_EQ(outlined.Pixel(5, 9), kRed);
    EXPECT_EQ(outlined.Pixel(5, 0), kRed);
    EXPECT_EQ(outlined.Pixel(10, 5), 0u);
    EXPECT_EQ(outlined.Pixel(5, 5), 0u);
}

TEST_F(DrawingPrimitivesTest, OutlineFollowsTheDashStyle)
{
    auto paintedOnTopEdge = [](Gdiplus::DashStyle style) {
        Canvas canvas(44, 12);
        DrawRoundedRect(canvas.graphics(), MakeRect(0, 0, 44, 10), 4, kRed, style);
        int painted = 0;
        for (int x = 6; x < 36; ++x)
            painted += canvas.Pixel(x, 0) == kRed;
        return painted;
    };
    EXPECT_EQ(paintedOnTopEdge(Gdiplus::DashStyleSolid), 30);
    EXPECT_LT(paintedOnTopEdge(Gdiplus::DashStyleDash), 30);
}

TEST_F(DrawingPrimitivesTest, FillPathAndDrawPathLeaveThePathToTheCaller)
{
    GdiPlusPtr<Gdiplus::GpPath> path = RoundedRectPath(MakeRect(2, 2, 12, 12), 4);
    ASSERT_TRUE(path);
    Canvas canvas(20, 20);

    FillPath(canvas.graphics(), path.get(), 0xFF00FF00);
    EXPECT_EQ(canvas.Pixel(8, 8), 0xFF00FF00u);
    DrawPath(canvas.graphics(), path.get(), kRed, 1.0f);
    EXPECT_EQ(canvas.Pixel(13, 8), kRed);

    INT count = 0;
    EXPECT_EQ(GdipGetPointCount(path.get(), &count), Gdiplus::Ok);
    EXPECT_GT(count, 0);
}

// The smallest box around the canvas's non-transparent pixels.
struct Box {
    int left, top, right, bottom;
    bool operator==(const Box&) const = default;
};

Box PaintedBox(const Canvas& canvas, int size)
{
    Box box{size, size, -1, -1};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (canvas.Pixel(x, y) >> 24 == 0)
                continue;
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
        }
    }
    return box;
}

TEST_F(DrawingPrimitivesTest, DrawImageAtPlacesTheImageAtItsOwnSize)
{
    Canvas image(20, 20);
    GdipGraphicsClear(image.graphics(), kRed);

    struct Case {
        RectRecord rect;
        bool centre;
        Box expected; // the image's 20 x 20 pixels, cut to the 40 x 40 canvas
    };
    const Case cases[] = {
        {{0, 0, 31, 31}, true, {6, 6, 25, 25}},     // 5.5 rounds to 6
        {{0, 0, 9, 9}, true, {0, 0, 13, 13}},       // -5.5 rounds to -6
        {{10, 10, 20, 20}, true, {10, 10, 29, 29}}, // fits exactly
        {{3.7f, 2.9f, 5, 5}, false, {3, 2, 22, 21}},
        {{-3.5f, 4.2f, 1, 1}, false, {0, 4, 16, 23}}, // -3.5 truncates to -3
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "rect (" << c.rect.x << ", " << c.rect.y << ", " << c.rect.width
                                          << ", " << c.rect.height << ") centre " << c.centre);
        Canvas canvas(40, 40);
        DrawImageAt(canvas.graphics(), image.bitmap(), c.rect, c.centre);
        Box box = PaintedBox(canvas, 40);
        EXPECT_EQ(box, c.expected) << "painted (" << box.left << ", " << box.top << ") to (" << box.right << ", "
                                   << box.bottom << ")";
        EXPECT_EQ(canvas.Pixel(c.expected.left, c.expected.top), kRed);
        EXPECT_EQ(canvas.Pixel(c.expected.right, c.expected.bottom), kRed);
    }
}

} // namespace
} // namespace corvatto::ui
