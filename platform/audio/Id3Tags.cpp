#include "platform/audio/Id3Tags.h"

namespace corvatto {
namespace {

constexpr std::uint8_t kFooterFlag = 0x10;

} // namespace

std::optional<std::size_t> Id3v2TagLength(std::span<const std::uint8_t, kId3v2HeaderSize> header)
{
    if (header[0] != 'I' || header[1] != 'D' || header[2] != '3' || header[3] == 0xFF || header[4] == 0xFF)
        return std::nullopt;
    std::size_t bodySize = 0;
    // The size is "synchsafe": four 7-bit groups, so that no 0xFF byte in it can look like a frame sync.
    for (int i = 6; i < 10; ++i) {
        if (header[i] & 0x80)
            return std::nullopt;
        bodySize = bodySize << 7 | header[i];
    }
    std::size_t footerSize = (header[5] & kFooterFlag) ? kId3v2HeaderSize : 0;
    return kId3v2HeaderSize + bodySize + footerSize;
}

bool IsId3v1Tag(std::span<const std::uint8_t, kId3v1TagSize> bytes)
{
    return bytes[0] == 'T' && bytes[1] == 'A' && bytes[2] == 'G';
}

} // namespace corvatto
