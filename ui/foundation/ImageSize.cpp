#include "ui/foundation/ImageSize.h"

namespace corvatto::ui {

int ImageWidth(Gdiplus::GpImage* image)
{
    UINT width = 0;
    if (image == nullptr || Gdiplus::DllExports::GdipGetImageWidth(image, &width) != Gdiplus::Ok)
        return 0;
    return static_cast<int>(width);
}

int ImageHeight(Gdiplus::GpImage* image)
{
    UINT height = 0;
    if (image == nullptr || Gdiplus::DllExports::GdipGetImageHeight(image, &height) != Gdiplus::Ok)
        return 0;
    return static_cast<int>(height);
}

} // namespace corvatto::ui
