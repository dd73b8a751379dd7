#pragma once

#include "platform/GdiPlus.h"
#include "ui/core/Colour.h"
#include "platform/GdiPlusResource.h"

#include <gtest/gtest.h>

namespace corvatto::ui::testing {

// Fixture for tests that draw: GDI+ runs for the whole suite.
class GdiPlusTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Gdiplus::GdiplusStartupInput input;
        ASSERT_EQ(Gdiplus::GdiplusStartup(&token_, &input, nullptr), Gdiplus::Ok);
    }
    static void TearDownTestSuite() { Gdiplus::GdiplusShutdown(token_); }

private:
    inline static ULONG_PTR token_ = 0;
};

// A bitmap of 32-bit ARGB pixels, transparent at first, and a graphics on it.
class Canvas {
public:
    Canvas(int width, int height)
    {
        Gdiplus::GpBitmap* created = nullptr;
        Gdiplus::DllExports::GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &created);
        bitmap_.reset(created);
        Gdiplus::GpGraphics* graphics = nullptr;
        if (bitmap_)
            Gdiplus::DllExports::GdipGetImageGraphicsContext(bitmap_.get(), &graphics);
        graphics_.reset(graphics);
        EXPECT_TRUE(graphics_) << "no canvas of " << width << " x " << height;
    }

    Gdiplus::GpBitmap* bitmap() const { return bitmap_.get(); }
    Gdiplus::GpGraphics* graphics() const { return graphics_.get(); }

    Argb Pixel(int x, int y) const
    {
        Gdiplus::ARGB colour = 0;
        Gdiplus::DllExports::GdipBitmapGetPixel(bitmap_.get(), x, y, &colour);
        return colour;
    }

private:
    GdiPlusPtr<Gdiplus::GpBitmap> bitmap_;
    GdiPlusPtr<Gdiplus::GpGraphics> graphics_; // deleted before the bitmap it draws on
};

} // namespace corvatto::ui::testing
