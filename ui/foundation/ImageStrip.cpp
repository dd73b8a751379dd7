#include "ui/foundation/ImageStrip.h"

#include <cstddef>

namespace corvatto::ui {

extern const unsigned char kImageStripData[];
extern const std::size_t kImageStripDataSize;

const ByteArray& ImageStripPngWithoutSignature()
{
    static const ByteArray image(kImageStripData, kImageStripData + kImageStripDataSize);
    return image;
}

} // namespace corvatto::ui
