#include "ui/menus/CheckMarkImage.h"

#include "tests/ui/core/GdiPlusTest.h"
#include "platform/GdiPlusResource.h"

#include <gtest/gtest.h>

#include <shlwapi.h>

namespace corvatto::ui {
namespace {

using namespace Gdiplus::DllExports;

class CheckMarkImageTest : public testing::GdiPlusTest {};

TEST_F(CheckMarkImageTest, IsA20By20GreyBlueTickOnATransparentGround)
{
    const ByteArray& png = CheckMarkImage();
    ASSERT_GE(png.size(), 8u);
    IStream* stream = SHCreateMemStream(png.data(), static_cast<UINT>(png.size()));
    ASSERT_NE(stream, nullptr);
    Gdiplus::GpBitmap* decoded = nullptr;
    GdipCreateBitmapFromStream(stream, &decoded);
    stream->Release();
    GdiPlusPtr<Gdiplus::GpBitmap> bitmap(decoded);
    ASSERT_TRUE(bitmap) << "not an image GDI+ can decode";

    UINT width = 0;
    UINT height = 0;
    GdipGetImageWidth(bitmap.get(), &width);
    GdipGetImageHeight(bitmap.get(), &height);
    EXPECT_EQ(width, 20u);
    EXPECT_EQ(height, 20u);

    auto pixel = [&](int x, int y) {
        Gdiplus::ARGB colour = 0;
        GdipBitmapGetPixel(bitmap.get(), x, y, &colour);
        return colour;
    };
    // The corners are empty; the foot of the tick (lower middle) and its end (upper right) are solid
    // grey-blue, RGB(110, 122, 135).
    for (auto [x, y] : {std::pair{0, 0}, std::pair{19, 0}, std::pair{0, 19}, std::pair{19, 19}})
        EXPECT_EQ(pixel(x, y) >> 24, 0u) << "(" << x << ", " << y << ")";
    for (auto [x, y] : {std::pair{8, 13}, std::pair{14, 7}})
        EXPECT_EQ(pixel(x, y), 0xFF6E7A87u) << "(" << x << ", " << y << ")";
}

} // namespace
} // namespace corvatto::ui
