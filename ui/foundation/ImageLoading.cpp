#include "ui/foundation/ImageLoading.h"

#include "ui/foundation/ImageSize.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace corvatto::ui {
namespace {

constexpr std::array<std::uint8_t, 8> kPngSignature{0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};

UniqueGlobalMemory CopyToGlobalMemory(const ByteArray& data, bool prependSignature)
{
    const std::size_t prefix = prependSignature ? kPngSignature.size() : 0;
    UniqueGlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, prefix + data.size()));
    if (!memory)
        return {};
    auto* bytes = static_cast<std::uint8_t*>(GlobalLock(memory.get()));
    if (bytes == nullptr)
        return {};
    std::memcpy(bytes, kPngSignature.data(), prefix);
    std::memcpy(bytes + prefix, data.data(), data.size());
    GlobalUnlock(memory.get());
    return memory;
}

UniqueGpImage PremultipliedCopy(Gdiplus::GpImage* image)
{
    using namespace Gdiplus::DllExports;
    const int width = ImageWidth(image);
    const int height = ImageHeight(image);
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (width <= 0 || height <= 0 ||
        GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppPARGB, nullptr, &bitmap) != Gdiplus::Ok)
        return {};
    UniqueGpImage copy(bitmap);
    Gdiplus::GpGraphics* graphics = nullptr;
    if (GdipGetImageGraphicsContext(bitmap, &graphics) != Gdiplus::Ok)
        return {};
    UniqueGpGraphics drawing(graphics);
    if (GdipDrawImageRectI(graphics, image, 0, 0, width, height) != Gdiplus::Ok)
        return {};
    return copy;
}

} // namespace

UniqueGpImage LoadImageFromBytes(const ByteArray& data, bool prependSignature, UniqueGlobalMemory* outMemory,
                                 UniqueStream* outStream)
{
    if (data.empty())
        return {};
    UniqueGlobalMemory memory = CopyToGlobalMemory(data, prependSignature);
    if (!memory)
        return {};
    // The stream leaves the memory alone when it is released: the memory has its own owner.
    IStream* created = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory.get(), FALSE, &created)))
        return {};
    UniqueStream stream(created);
    Gdiplus::GpImage* loaded = nullptr;
    if (Gdiplus::DllExports::GdipLoadImageFromStream(stream.get(), &loaded) != Gdiplus::Ok)
        return {};
    UniqueGpImage image(loaded);

    if (outMemory != nullptr && outStream != nullptr) {
        *outMemory = std::move(memory);
        *outStream = std::move(stream);
        return image;
    }
    return PremultipliedCopy(image.get());
}

} // namespace corvatto::ui
