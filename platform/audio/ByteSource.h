#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace corvatto {

// Somewhere bytes come from in order: a file, or memory in tests.
class ByteSource {
public:
    virtual ~ByteSource() = default;

    // Fills the start of the buffer and returns how much it filled; 0 means the bytes have run out.
    virtual std::size_t Read(std::span<std::uint8_t> buffer) = 0;
};

} // namespace corvatto
