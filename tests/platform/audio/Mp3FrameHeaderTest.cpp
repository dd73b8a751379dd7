#include "platform/audio/Id3Tags.h"
#include "platform/audio/Mp3FrameHeader.h"

#include <gtest/gtest.h>

#include <array>

namespace corvatto {
namespace {

using Bytes4 = std::array<std::uint8_t, 4>;

std::optional<Mp3FrameHeader> Parse(const Bytes4& bytes)
{
    return ParseMp3FrameHeader(std::span<const std::uint8_t, 4>(bytes));
}

Mp3FrameHeader Header(MpegVersion version, int kbps, int rate, int channels, bool padded, int length)
{
    return {version, kbps, rate, channels, padded, length, version == MpegVersion::Mpeg1 ? 1152 : 576};
}

TEST(Mp3FrameHeader, DecodesLayer3Headers)
{
    struct Case {
        Bytes4 bytes;
        Mp3FrameHeader expected;
    };
    const Case cases[] = {
        {{0xFF, 0xFB, 0x90, 0x64}, Header(MpegVersion::Mpeg1, 128, 44100, 2, false, 417)},
        {{0xFF, 0xFB, 0x92, 0x64}, Header(MpegVersion::Mpeg1, 128, 44100, 2, true, 418)},
        {{0xFF, 0xFA, 0x90, 0x64}, Header(MpegVersion::Mpeg1, 128, 44100, 2, false, 417)}, // with a CRC
        {{0xFF, 0xFB, 0xEA, 0xC0}, Header(MpegVersion::Mpeg1, 320, 32000, 1, true, 1441)},
        {{0xFF, 0xFB, 0x14, 0x00}, Header(MpegVersion::Mpeg1, 32, 48000, 2, false, 96)},
        {{0xFF, 0xF3, 0x40, 0xC4}, Header(MpegVersion::Mpeg2, 32, 22050, 1, false, 104)},
        {{0xFF, 0xF3, 0xE8, 0xC4}, Header(MpegVersion::Mpeg2, 160, 16000, 1, false, 720)},
        {{0xFF, 0xF3, 0x14, 0x44}, Header(MpegVersion::Mpeg2, 8, 24000, 2, false, 24)},
        {{0xFF, 0xE3, 0x28, 0xC4}, Header(MpegVersion::Mpeg25, 16, 8000, 1, false, 144)},
        {{0xFF, 0xE3, 0x86, 0x80}, Header(MpegVersion::Mpeg25, 64, 12000, 2, true, 385)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << std::hex << int(c.bytes[1]) << ' ' << int(c.bytes[2]) << ' '
                                          << int(c.bytes[3]));
        std::optional<Mp3FrameHeader> header = Parse(c.bytes);
        ASSERT_TRUE(header);
        EXPECT_EQ(*header, c.expected);
    }
}

TEST(Mp3FrameHeader, RejectsWhatIsNotAUsableLayer3Header)
{
    const Bytes4 cases[] = {
        {0xFE, 0xFB, 0x90, 0x64}, // sync bit missing in the first byte
        {0xFF, 0xDB, 0x90, 0x64}, // ... and in the second
        {0xFF, 0xEB, 0x90, 0x64}, // reserved version
        {0xFF, 0xFD, 0x90, 0x64}, // Layer II
        {0xFF, 0xFF, 0x90, 0x64}, // Layer I
        {0xFF, 0xF9, 0x90, 0x64}, // reserved layer
        {0xFF, 0xFB, 0x00, 0x64}, // free format
        {0xFF, 0xFB, 0xF0, 0x64}, // bitrate index 15
        {0xFF, 0xFB, 0x9C, 0x64}, // reserved sample rate
        {0xFF, 0xFB, 0x90, 0x66}, // reserved emphasis
        {'T', 'A', 'G', 'x'},
        {'I', 'D', '3', 4},
    };
    for (const Bytes4& bytes : cases)
        EXPECT_FALSE(Parse(bytes)) << std::hex << int(bytes[0]) << ' ' << int(bytes[1]) << ' ' << int(bytes[2])
                                   << ' ' << int(bytes[3]);
}

TEST(Mp3FrameHeader, StreamsMatchOnVersionAndSampleRateOnly)
{
    Mp3FrameHeader stereo128 = *Parse({0xFF, 0xFB, 0x90, 0x64});
    Mp3FrameHeader mono320Padded = *Parse({0xFF, 0xFB, 0xE2, 0xC0});
    Mp3FrameHeader at48k = *Parse({0xFF, 0xFB, 0x94, 0x64});
    Mp3FrameHeader mpeg2At22k = *Parse({0xFF, 0xF3, 0x40, 0xC4});
    Mp3FrameHeader mpeg25At11k = *Parse({0xFF, 0xE3, 0x40, 0xC4});
    EXPECT_TRUE(SameMp3Stream(stereo128, mono320Padded));
    EXPECT_FALSE(SameMp3Stream(stereo128, at48k));
    EXPECT_FALSE(SameMp3Stream(stereo128, mpeg2At22k));
    EXPECT_FALSE(SameMp3Stream(mpeg2At22k, mpeg25At11k));
}

TEST(Id3Tags, Id3v2LengthCountsHeaderSynchsafeBodyAndFooter)
{
    using Header10 = std::array<std::uint8_t, 10>;
    struct Case {
        Header10 bytes;
        std::optional<std::size_t> length;
    };
    const Case cases[] = {
        {{'I', 'D', '3', 3, 0, 0x00, 0, 0, 0x01, 0x22}, 10 + 162},
        {{'I', 'D', '3', 4, 0, 0x10, 0, 0, 0x00, 0x0A}, 10 + 10 + 10},
        {{'I', 'D', '3', 4, 0, 0x00, 0x7F, 0x7F, 0x7F, 0x7F}, 10 + 0x0FFFFFFF},
        {{'I', 'D', '3', 2, 0, 0x00, 0, 0, 0, 0}, 10},
        {{'I', 'D', '3', 4, 0, 0x00, 0, 0, 0x02, 0x80}, std::nullopt}, // not synchsafe
        {{'I', 'D', '3', 0xFF, 0, 0x00, 0, 0, 0, 0}, std::nullopt},
        {{'I', 'D', '3', 4, 0xFF, 0x00, 0, 0, 0, 0}, std::nullopt},
        {{'I', 'D', '4', 4, 0, 0x00, 0, 0, 0, 0}, std::nullopt},
        {{0xFF, 0xFB, 0x90, 0x64, 0, 0, 0, 0, 0, 0}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "version " << int(c.bytes[3]) << ", flags " << int(c.bytes[5]));
        EXPECT_EQ(Id3v2TagLength(std::span<const std::uint8_t, 10>(c.bytes)), c.length);
    }
}

TEST(Id3Tags, Id3v1TagStartsWithTag)
{
    std::array<std::uint8_t, 128> tag{'T', 'A', 'G', 'T', 'i', 't', 'l', 'e'};
    EXPECT_TRUE(IsId3v1Tag(tag));
    tag[2] = 'X';
    EXPECT_FALSE(IsId3v1Tag(tag));
}

} // namespace
} // namespace corvatto
