#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace corvatto::ui {

// One numbered field of a framework object. Fields hold handles, addresses and plain integers alike, so
// they are pointer-sized: nothing that holds an address is ever narrowed, on either target.
using Field = std::intptr_t;

// The program's texts: zero-terminated strings in the system's ANSI code page.
using Text = std::string;

// A length-counted block of bytes (image data, UTF-16 strings); it may be empty.
using ByteArray = std::vector<std::uint8_t>;

template <typename T>
Field AsField(T* pointer)
{
    return reinterpret_cast<Field>(pointer);
}

template <typename T>
T* FieldAs(Field value)
{
    return reinterpret_cast<T*>(value);
}

} // namespace corvatto::ui
