#include "platform/audio/Mp3FrameHeader.h"

#include <array>

namespace corvatto {
namespace {

// Indexed by the header's 4-bit bitrate field; 0 (free format) and 15 are not usable.
constexpr std::array<int, 15> kMpeg1Bitrates = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
constexpr std::array<int, 15> kMpeg2Bitrates = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};

constexpr std::array<int, 3> kMpeg1SampleRates = {44100, 48000, 32000};

constexpr int kLayer3 = 1;
constexpr int kReservedEmphasis = 2;
constexpr int kMonoMode = 3;

std::optional<MpegVersion> VersionFromBits(int bits)
{
    switch (bits) {
    case 0: return MpegVersion::Mpeg25;
    case 2: return MpegVersion::Mpeg2;
    case 3: return MpegVersion::Mpeg1;
    default: return std::nullopt;
    }
}

} // namespace

std::optional<Mp3FrameHeader> ParseMp3FrameHeader(std::span<const std::uint8_t, kMp3HeaderSize> bytes)
{
    if (bytes[0] != 0xFF || (bytes[1] & 0xE0) != 0xE0)
        return std::nullopt;
    std::optional<MpegVersion> version = VersionFromBits((bytes[1] >> 3) & 3);
    int layer = (bytes[1] >> 1) & 3;
    int bitrateIndex = bytes[2] >> 4;
    int sampleRateIndex = (bytes[2] >> 2) & 3;
    int emphasis = bytes[3] & 3;
    if (!version || layer != kLayer3 || bitrateIndex == 0 || bitrateIndex == 15 || sampleRateIndex == 3 ||
        emphasis == kReservedEmphasis)
        return std::nullopt;

    Mp3FrameHeader header;
    header.version = *version;
    bool mpeg1 = header.version == MpegVersion::Mpeg1;
    header.bitrateKbps = (mpeg1 ? kMpeg1Bitrates : kMpeg2Bitrates)[bitrateIndex];
    int divisor = header.version == MpegVersion::Mpeg1 ? 1 : header.version == MpegVersion::Mpeg2 ? 2 : 4;
    header.sampleRate = kMpeg1SampleRates[sampleRateIndex] / divisor;
    header.channels = ((bytes[3] >> 6) & 3) == kMonoMode ? 1 : 2;
    header.padded = (bytes[2] >> 1) & 1;
    header.samplesPerFrame = mpeg1 ? 1152 : 576;
    // Bytes per frame = samples per frame / 8 bits * bitrate / sample rate, plus the padding byte.
    header.frameLength = header.samplesPerFrame / 8 * header.bitrateKbps * 1000 / header.sampleRate +
                         (header.padded ? 1 : 0);
    return header;
}

bool SameMp3Stream(const Mp3FrameHeader& a, const Mp3FrameHeader& b)
{
    return a.version == b.version && a.sampleRate == b.sampleRate;
}

} // namespace corvatto
