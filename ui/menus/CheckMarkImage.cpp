#include "ui/menus/CheckMarkImage.h"

#include <cstddef>

namespace corvatto::ui {

extern const unsigned char kCheckMarkData[];
extern const std::size_t kCheckMarkDataSize;

const ByteArray& CheckMarkImage()
{
    static const ByteArray image(kCheckMarkData, kCheckMarkData + kCheckMarkDataSize);
    return image;
}

} // namespace corvatto::ui
