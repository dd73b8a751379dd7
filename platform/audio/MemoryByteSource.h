#pragma once

#include "platform/audio/ByteSource.h"

#include <algorithm>
#include <vector>

namespace corvatto {

// Bytes held in memory, handed out at most `chunkSize` at a time so that readers meet every split.
class MemoryByteSource : public ByteSource {
public:
    explicit MemoryByteSource(std::vector<std::uint8_t> bytes, std::size_t chunkSize = SIZE_MAX)
        : bytes_(std::move(bytes)), chunkSize_(std::max<std::size_t>(chunkSize, 1))
    {
    }

    std::size_t Read(std::span<std::uint8_t> buffer) override
    {
        std::size_t count = std::min({buffer.size(), bytes_.size() - position_, chunkSize_});
        std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(position_), count, buffer.begin());
        position_ += count;
        return count;
    }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t position_ = 0;
    std::size_t chunkSize_;
};

} // namespace corvatto
