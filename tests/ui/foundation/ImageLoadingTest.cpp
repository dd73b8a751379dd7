#include "tests/ui/foundation/StartedFramework.h"
#include "ui/foundation/FrameworkGlobals.h"
#include "ui/foundation/ImageLoading.h"
#include "ui/foundation/ImageSize.h"
#include "ui/foundation/ImageStrip.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

namespace corvatto::ui {
namespace {

using testing::StartedFramework;
using ImageLoadingTest = StartedFramework;

const GUID kTimeFrames = {0x6AEDBD6D, 0x3FB5, 0x418A, {0x83, 0xA6, 0x7F, 0x45, 0x22, 0x9D, 0xC8, 0x72}};

// Three 2 x 2 frames (red, green, blue), 100 ms each.
const ByteArray kThreeFrameGif = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x02, 0x00, 0x02, 0x00, 0xF0, 0x00, 0x00, 0xFF, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x21, 0xF9, 0x04, 0x00, 0x0A, 0x00, 0x00, 0x00, 0x21, 0xFF, 0x0B, 0x4E, 0x45,
    0x54, 0x53, 0x43, 0x41, 0x50, 0x45, 0x32, 0x2E, 0x30, 0x03, 0x01, 0x00, 0x00, 0x00, 0x2C, 0x00,
    0x00, 0x00, 0x00, 0x02, 0x00, 0x02, 0x00, 0x00, 0x02, 0x02, 0x84, 0x51, 0x00, 0x21, 0xF9, 0x04,
    0x00, 0x0A, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x02, 0x00, 0x80, 0x00,
    0xFF, 0x00, 0x00, 0x00, 0x00, 0x02, 0x02, 0x84, 0x51, 0x00, 0x21, 0xF9, 0x04, 0x00, 0x0A, 0x00,
    0x00, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x02, 0x00, 0x80, 0x00, 0x00, 0xFF, 0x00,
    0x00, 0x00, 0x02, 0x02, 0x84, 0x51, 0x00, 0x3B,
};

ByteArray WithPngSignature(const ByteArray& body)
{
    const std::uint8_t signature[] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
    ByteArray png(std::begin(signature), std::end(signature));
    png.resize(png.size() + body.size());
    std::copy(body.begin(), body.end(), png.begin() + std::size(signature));
    return png;
}

UINT FrameCount(Gdiplus::GpImage* image)
{
    UINT count = 0;
    Gdiplus::DllExports::GdipImageGetFrameCount(image, &kTimeFrames, &count);
    return count;
}

Gdiplus::PixelFormat PixelFormatOf(Gdiplus::GpImage* image)
{
    Gdiplus::PixelFormat format = 0;
    Gdiplus::DllExports::GdipGetImagePixelFormat(image, &format);
    return format;
}

struct BytesCase {
    std::string name;
    ByteArray data;
    bool prependSignature;
    int width; // 0: no image
};

TEST_F(ImageLoadingTest, BytesGiveAnImageOnlyWhenTheyAreAWholeImage)
{
    const ByteArray& body = ImageStripPngWithoutSignature();
    const std::vector<BytesCase> cases = {
        {"PNG without signature, prepended", body, true, kImageStripWidth},
        {"complete PNG", WithPngSignature(body), false, kImageStripWidth},
        {"GIF", kThreeFrameGif, false, 2},
        {"PNG without signature", body, false, 0},
        {"signature twice", WithPngSignature(body), true, 0},
        {"empty", {}, false, 0},
        {"empty, prepended", {}, true, 0},
        {"corrupt", ByteArray(body.begin(), body.begin() + 100), true, 0},
        {"not an image", {'h', 'e', 'l', 'l', 'o'}, false, 0},
    };
    for (const BytesCase& c : cases) {
        for (bool keepSource : {false, true}) {
            UniqueGlobalMemory memory;
            UniqueStream stream;
            const UniqueGpImage image = keepSource ? LoadImageFromBytes(c.data, c.prependSignature, &memory, &stream)
                                                   : LoadImageFromBytes(c.data, c.prependSignature);
            EXPECT_EQ(ImageWidth(image.get()), c.width) << c.name << (keepSource ? ", source kept" : "");
            // The source is handed over with the image, and only then.
            EXPECT_EQ(bool(memory), bool(image) && keepSource) << c.name;
            EXPECT_EQ(bool(stream), bool(image) && keepSource) << c.name;
        }
    }
}

TEST_F(ImageLoadingTest, AnAnimationKeepsItsFramesOnlyWithBothOutputs)
{
    struct OutputCase {
        bool memory;
        bool stream;
        UINT frames;
    };
    for (const OutputCase& c : {OutputCase{false, false, 1}, OutputCase{true, false, 1}, OutputCase{false, true, 1},
                                OutputCase{true, true, 3}}) {
        UniqueGlobalMemory memory;
        UniqueStream stream;
        const UniqueGpImage image =
            LoadImageFromBytes(kThreeFrameGif, false, c.memory ? &memory : nullptr, c.stream ? &stream : nullptr);
        ASSERT_TRUE(image);
        EXPECT_EQ(FrameCount(image.get()), c.frames) << "memory " << c.memory << ", stream " << c.stream;
        if (c.frames == 1) {
            EXPECT_EQ(PixelFormatOf(image.get()), PixelFormat32bppPARGB);
        }
        // A single output is left alone: it would have nothing to keep alive.
        EXPECT_EQ(bool(memory), c.memory && c.stream);
        EXPECT_EQ(bool(stream), c.memory && c.stream);
    }
}

TEST_F(ImageLoadingTest, TheSharedStripIsAPremultipliedCopyOfTheArtwork)
{
    Gdiplus::GpImage* strip = SharedImageStrip();
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(ImageWidth(strip), 729);
    EXPECT_EQ(ImageHeight(strip), 20);
    EXPECT_EQ(PixelFormatOf(strip), PixelFormat32bppPARGB);
    EXPECT_EQ(FrameCount(strip), 1u);
}

TEST(ImageSizeTest, NoImageHasNoSize)
{
    EXPECT_EQ(ImageWidth(nullptr), 0);
    EXPECT_EQ(ImageHeight(nullptr), 0);
}

} // namespace
} // namespace corvatto::ui
