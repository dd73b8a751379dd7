#include "ui/core/HitTest.h"

#include "ui/core/ElementRecord.h"
#include "ui/host/HostFields.h"

namespace corvatto::ui {

using enum ElementField;

bool PointInBounds(const RectRecord* bounds, int x, int y)
{
    if (!bounds)
        return false;
    constexpr double kTolerance = 1e-7;
    const double left = bounds->x, top = bounds->y;
    const double right = left + static_cast<double>(bounds->width);
    const double bottom = top + static_cast<double>(bounds->height);
    return x - left >= -kTolerance && y - top >= -kTolerance && x - right < -kTolerance && y - bottom < -kTolerance;
}

Field HitTestList(Field newest, int x, int y)
{
    for (Field e = newest; e != 0; e = ReadField(e, NextSibling)) {
        if (ReadField(e, Visible) == 1 && ReadField(e, Disabled) == 0 && PointInBounds(BoundsField(e), x, y)) {
            Field child = HitTestList(ReadField(e, LastChild), x, y);
            return child ? child : e;
        }
    }
    return 0;
}

Field HitTestWindow(HWND window, int x, int y, bool useGivenPoint)
{
    Field host = HostOfWindow(window);
    if (!host)
        return 0;
    RECT frame;
    GetWindowRect(window, &frame);
    if (!useGivenPoint) {
        POINT cursor{};
        GetCursorPos(&cursor);
        x = cursor.x;
        y = cursor.y;
    }
    return HitTestList(ReadField(host, HostField::lastElement), x - frame.left, y - frame.top);
}

} // namespace corvatto::ui
