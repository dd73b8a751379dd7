#include "tests/ui/foundation/StartedFramework.h"
#include "ui/foundation/FrameworkGlobals.h"

#include <string>
#include <vector>

namespace corvatto::ui {
namespace {

using ImageStripTest = testing::StartedFramework;

struct Pixel {
    int alpha, red, green, blue;
    int Brightness() const { return red + green + blue; }
};

Pixel PixelAt(int x, int y)
{
    Gdiplus::ARGB argb = 0;
    Gdiplus::DllExports::GdipBitmapGetPixel(static_cast<Gdiplus::GpBitmap*>(SharedImageStrip()), x, y, &argb);
    return {int(argb >> 24), int(argb >> 16 & 0xFF), int(argb >> 8 & 0xFF), int(argb & 0xFF)};
}

bool HasWhiteInk(int x, int width)
{
    for (int y = 2; y < 20; ++y) {
        for (int i = 0; i < width; ++i) {
            const Pixel p = PixelAt(x + i, y);
            if (p.alpha > 200 && p.red > 200 && p.green > 200 && p.blue > 200)
                return true;
        }
    }
    return false;
}

struct Glyph {
    std::string name;
    int normalX, hotX, pressedX, width;
    bool red;
};

// The caption buttons' cells: each glyph's normal, hot and pressed cell.
TEST_F(ImageStripTest, EveryGlyphHasItsThreeCellsWhereTheButtonsLook)
{
    const std::vector<Glyph> glyphs = {
        {"close", 0, 40, 80, 39, true},          {"maximise", 120, 149, 178, 28, false},
        {"restore", 207, 236, 265, 28, false},   {"minimise", 294, 323, 352, 28, false},
        {"kind 32", 381, 410, 439, 28, false},   {"kind 64", 468, 497, 526, 28, false},
        {"kind 128", 555, 584, 613, 28, false},  {"kind 256", 642, 671, 700, 28, false},
    };
    for (const Glyph& g : glyphs) {
        for (int x : {g.normalX, g.hotX, g.pressedX}) {
            EXPECT_TRUE(HasWhiteInk(x, g.width)) << g.name << " at " << x;
            for (int y = 0; y < 20; ++y)
                EXPECT_EQ(PixelAt(x + g.width, y).alpha, 0) << g.name << ": the gap after the cell at " << x;
        }
        EXPECT_EQ(PixelAt(g.normalX, 2).alpha, 0) << g.name << ": the normal cell has no ground";

        const Pixel hotTop = PixelAt(g.hotX, 2);
        const Pixel pressedTop = PixelAt(g.pressedX, 2);
        EXPECT_GT(hotTop.alpha, 150) << g.name;
        EXPECT_LT(PixelAt(g.hotX, 19).alpha, hotTop.alpha) << g.name << ": the ground fades out downwards";
        EXPECT_EQ(hotTop.red > hotTop.blue, g.red) << g.name;
        EXPECT_EQ(pressedTop.red > pressedTop.blue, g.red) << g.name;
        EXPECT_LT(pressedTop.Brightness(), hotTop.Brightness()) << g.name << ": pressed is darker";
    }
}

} // namespace
} // namespace corvatto::ui
