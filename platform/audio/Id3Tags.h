#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace corvatto {

inline constexpr std::size_t kId3v2HeaderSize = 10;
inline constexpr std::size_t kId3v1TagSize = 128;

// The whole length of the ID3v2 tag whose 10-byte header this is (header, body and footer), or nothing
// if these bytes do not start a well-formed tag header.
std::optional<std::size_t> Id3v2TagLength(std::span<const std::uint8_t, kId3v2HeaderSize> header);

// Whether the last 128 bytes of a stream are an ID3v1 tag.
bool IsId3v1Tag(std::span<const std::uint8_t, kId3v1TagSize> bytes);

} // namespace corvatto
