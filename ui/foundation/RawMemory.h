#pragma once

#include "ui/foundation/Field.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace corvatto::ui {

// Zero-filled read-write blocks for records whose addresses are handed to Windows or kept by address.
// None of them holds code, so none is executable. 0 on failure.
Field AllocRaw(std::size_t size);
// Nonzero on success.
int FreeRaw(Field address);

// Pointer-sized reads and writes at an address.
Field PeekInt(Field address);
Field PokeInt(Field address, Field value); // returns the address

// Copies count bytes when 0 < count < the array's length, otherwise the whole array.
void CopyBytesTo(Field address, const ByteArray& bytes, std::optional<std::size_t> count = std::nullopt);

// The one way a real becomes an integer: truncation toward zero.
std::int64_t TruncToInt64(double value);

} // namespace corvatto::ui
