#include "ui/foundation/RawMemory.h"

#include "platform/Win32.h"

#include <cstdint>
#include <cstring>

namespace corvatto::ui {

Field AllocRaw(std::size_t size)
{
    return AsField(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size));
}

int FreeRaw(Field address)
{
    return address != 0 && HeapFree(GetProcessHeap(), 0, FieldAs<void>(address)) ? 1 : 0;
}

Field PeekInt(Field address)
{
    Field value;
    std::memcpy(&value, FieldAs<const void>(address), sizeof value);
    return value;
}

Field PokeInt(Field address, Field value)
{
    std::memcpy(FieldAs<void>(address), &value, sizeof value);
    return address;
}

void CopyBytesTo(Field address, const ByteArray& bytes, std::optional<std::size_t> count)
{
    std::size_t length = bytes.size();
    if (count && *count > 0 && *count < length)
        length = *count;
    if (length > 0)
        std::memcpy(FieldAs<void>(address), bytes.data(), length);
}

std::int64_t TruncToInt64(double value)
{
    // Out of range (or not a number) has no integer to truncate to: saturate instead of overflowing.
    constexpr double kLimit = 9.2e18;
    if (!(value > -kLimit && value < kLimit))
        return value > 0 ? INT64_MAX : value < 0 ? INT64_MIN : 0;
    return static_cast<std::int64_t>(value);
}

} // namespace corvatto::ui
