#pragma once

#include "ui/foundation/Field.h"

#include <cstring>
#include <string_view>

namespace corvatto::ui::testing {

// The UTF-16LE bytes of a text with its terminating zero, written out independently of the code under
// test.
inline ByteArray WideBytes(std::u16string_view text)
{
    ByteArray bytes((text.size() + 1) * sizeof(char16_t), 0);
    std::memcpy(bytes.data(), text.data(), text.size() * sizeof(char16_t));
    return bytes;
}

} // namespace corvatto::ui::testing
