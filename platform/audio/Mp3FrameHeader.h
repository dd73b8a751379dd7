#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace corvatto {

enum class MpegVersion { Mpeg1, Mpeg2, Mpeg25 };

// The four bytes that start every Layer III frame, decoded.
struct Mp3FrameHeader {
    MpegVersion version = MpegVersion::Mpeg1;
    int bitrateKbps = 0;
    int sampleRate = 0;
    int channels = 0;
    bool padded = false;
    int frameLength = 0; // bytes, the header included
    int samplesPerFrame = 0;

    bool operator==(const Mp3FrameHeader&) const = default;
};

inline constexpr int kMp3HeaderSize = 4;

// Nothing for anything but a Layer III header with a table bitrate (free format is not supported), a
// defined sample rate and a defined emphasis.
std::optional<Mp3FrameHeader> ParseMp3FrameHeader(std::span<const std::uint8_t, kMp3HeaderSize> bytes);

// Whether two frames can belong to one stream: same version and sample rate (the layer is always III).
bool SameMp3Stream(const Mp3FrameHeader& a, const Mp3FrameHeader& b);

} // namespace corvatto
