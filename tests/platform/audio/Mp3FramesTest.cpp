#include "platform/audio/MemoryByteSource.h"
#include "platform/audio/Mp3Frames.h"
#include "tests/platform/audio/Fixtures.h"

#include <gtest/gtest.h>

#include <set>

namespace corvatto {
namespace {

using testing::FixtureFrames;
using testing::ReadFixture;
using Bytes = std::vector<std::uint8_t>;

struct ReadResult {
    std::vector<Mp3FrameHeader> headers;
    Bytes frameBytes; // every frame, one after the other
};

ReadResult ReadAll(const Bytes& stream, std::size_t chunkSize = SIZE_MAX)
{
    MemoryByteSource source(stream, chunkSize);
    Mp3FrameReader reader(source);
    ReadResult result;
    while (std::optional<Mp3Frame> frame = reader.Next()) {
        EXPECT_EQ(frame->bytes.size(), static_cast<std::size_t>(frame->header.frameLength));
        result.headers.push_back(frame->header);
        result.frameBytes.insert(result.frameBytes.end(), frame->bytes.begin(), frame->bytes.end());
    }
    EXPECT_FALSE(reader.Next()) << "a reader that has ended stays ended";
    return result;
}

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes Join(const std::vector<Bytes>& frames, std::size_t from, std::size_t to)
{
    Bytes all;
    for (std::size_t i = from; i < to; ++i)
        all.insert(all.end(), frames[i].begin(), frames[i].end());
    return all;
}

// A frame of silence-free filler: a valid header followed by zero bytes.
Bytes FakeFrame(std::initializer_list<std::uint8_t> header, std::size_t length)
{
    Bytes frame(header);
    frame.resize(length, 0);
    return frame;
}

struct FixtureCase {
    const char* name;
    std::size_t frames;
    int sampleRate;
    int channels;
    MpegVersion version;
    std::size_t bytesOutsideFrames; // tags and whatever is not a whole frame
};

// Frame counts: lame writes an Info frame first when the frame has room for it (not at 32 kbps, 22 kHz)
// and counts the audio frames after it in that frame.
const FixtureCase kFixtures[] = {
    {"cbr-1000hz.mp3", 22, 44100, 2, MpegVersion::Mpeg1, 0},
    {"vbr.mp3", 25, 44100, 2, MpegVersion::Mpeg1, 0},
    {"mono22-660hz.mp3", 22, 22050, 1, MpegVersion::Mpeg2, 0},
    {"speech-tagged.mp3", 42, 22050, 1, MpegVersion::Mpeg2, 172 + 128},
    {"silence-44k-stereo.mp3", 22, 44100, 2, MpegVersion::Mpeg1, 0},
    {"silence-22k-mono.mp3", 22, 22050, 1, MpegVersion::Mpeg2, 0},
    {"truncated.mp3", 0, 0, 0, MpegVersion::Mpeg1, 600},
    {"random.bin", 0, 0, 0, MpegVersion::Mpeg1, 4096},
    {"empty.mp3", 0, 0, 0, MpegVersion::Mpeg1, 0},
};

TEST(Mp3FrameReader, ReadsTheFramesOfEachFixture)
{
    for (const FixtureCase& c : kFixtures) {
        SCOPED_TRACE(c.name);
        Bytes stream = ReadFixture(c.name);
        ReadResult result = ReadAll(stream);
        ASSERT_EQ(result.headers.size(), c.frames);
        EXPECT_EQ(result.frameBytes.size() + c.bytesOutsideFrames, stream.size());
        for (const Mp3FrameHeader& header : result.headers) {
            EXPECT_EQ(header.sampleRate, c.sampleRate);
            EXPECT_EQ(header.channels, c.channels);
            EXPECT_EQ(header.version, c.version);
        }
    }
}

TEST(Mp3FrameReader, VbrFixtureChangesBitrateFromFrameToFrame)
{
    std::set<int> bitrates;
    for (const Mp3FrameHeader& header : ReadAll(ReadFixture("vbr.mp3")).headers)
        bitrates.insert(header.bitrateKbps);
    EXPECT_GE(bitrates.size(), 4u);
}

TEST(Mp3FrameReader, TaggedFixtureFramesStartRightAfterTheId3v2Tag)
{
    Bytes stream = ReadFixture("speech-tagged.mp3");
    ReadResult result = ReadAll(stream);
    ASSERT_FALSE(result.frameBytes.empty());
    EXPECT_TRUE(std::equal(result.frameBytes.begin(), result.frameBytes.end(), stream.begin() + 172));
}

TEST(Mp3FrameReader, GivesTheSameFramesWhateverSizeTheReadsAre)
{
    for (const FixtureCase& c : kFixtures) {
        Bytes stream = ReadFixture(c.name);
        ReadResult whole = ReadAll(stream);
        for (std::size_t chunkSize : {1, 3, 417, 4096}) {
            SCOPED_TRACE(::testing::Message() << c.name << " read " << chunkSize << " bytes at a time");
            ReadResult chunked = ReadAll(stream, chunkSize);
            EXPECT_EQ(chunked.headers, whole.headers);
            EXPECT_EQ(chunked.frameBytes, whole.frameBytes);
        }
    }
}

TEST(Mp3FrameReader, FindsTheStreamAroundTagsAndGarbage)
{
    const std::vector<Bytes> frames = FixtureFrames("cbr-1000hz.mp3");
    ASSERT_EQ(frames.size(), 22u);
    const Bytes all = Join(frames, 0, frames.size());
    const Bytes lastCut = Bytes(all.begin(), all.end() - 100);
    // Bytes that are no frame, with a lone header like the stream's that no second header follows.
    const Bytes garbage = Concat(
        {{0x00, 0x11, 0xFF, 0xFB, 0x90}, FakeFrame({0xFF, 0xFB, 0x90, 0x64}, 417), {0x12, 0x34, 0xFF, 0x00, 0xFF}});
    // Two whole frames of another stream (MPEG-2.5, 8 kHz), inside tags where they must not be taken.
    const Bytes otherPair = Concat({FakeFrame({0xFF, 0xE3, 0x28, 0xC4}, 144), FakeFrame({0xFF, 0xE3, 0x28, 0xC4}, 144)});
    Bytes id3v2WithPair = Concat({{'I', 'D', '3', 3, 0, 0, 0, 0, 0x02, 0x20}, otherPair}); // 0x120 = 288
    Bytes id3v24WithFooter = Concat({{'I', 'D', '3', 4, 0, 0x10, 0, 0, 0x02, 0x20}, otherPair,
                                     {'3', 'D', 'I', 4, 0, 0x10, 0, 0, 0x02, 0x20}});
    Bytes emptyId3v2 = {'I', 'D', '3', 4, 0, 0, 0, 0, 0, 0};
    // Two whole 24-byte frames of an MPEG-2 24 kHz stream fit in an ID3v1 tag.
    Bytes id3v1WithPair = Concat({{'T', 'A', 'G'}, FakeFrame({0xFF, 0xF3, 0x14, 0x44}, 24),
                                  FakeFrame({0xFF, 0xF3, 0x14, 0x44}, 24)});
    id3v1WithPair.resize(128, ' ');

    struct Case {
        const char* what;
        Bytes stream;
        Bytes expectedFrames;
    };
    const Case cases[] = {
        {"plain stream", all, all},
        {"garbage in front", Concat({garbage, garbage, all}), all},
        {"a frame of another stream in front", Concat({FakeFrame({0xFF, 0xE3, 0x28, 0xC4}, 144), all}), all},
        {"garbage in the middle", Concat({Join(frames, 0, 10), garbage, Join(frames, 10, 22)}), all},
        {"last frame incomplete", lastCut, Join(frames, 0, 21)},
        {"ID3v2 tag holding frames", Concat({id3v2WithPair, all}), all},
        {"ID3v2.4 tag with a footer", Concat({id3v24WithFooter, all}), all},
        {"several ID3v2 tags", Concat({emptyId3v2, id3v2WithPair, emptyId3v2, all}), all},
        {"ID3v1 tag holding frames", Concat({all, id3v1WithPair}), all},
        {"garbage after the stream", Concat({Join(frames, 0, 5), garbage}), Join(frames, 0, 5)},
        {"stream of one frame", frames[1], {}},
        {"one frame, then garbage, then the stream", Concat({frames[0], garbage, Join(frames, 1, 22)}),
         Join(frames, 1, 22)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ReadResult result = ReadAll(c.stream);
        EXPECT_EQ(result.frameBytes.size(), c.expectedFrames.size());
        EXPECT_TRUE(result.frameBytes == c.expectedFrames);
        for (const Mp3FrameHeader& header : result.headers)
            EXPECT_EQ(header.sampleRate, 44100);
    }
}

TEST(Mp3FrameReader, FollowsAnotherStreamAfterGarbage)
{
    const std::vector<Bytes> first = FixtureFrames("cbr-1000hz.mp3");
    const std::vector<Bytes> second = FixtureFrames("mono22-660hz.mp3");
    ReadResult result = ReadAll(Concat({Join(first, 0, 22), {0x00, 0x11, 0x22}, Join(second, 0, 22)}));
    ASSERT_EQ(result.headers.size(), 44u);
    EXPECT_EQ(result.headers.front().sampleRate, 44100);
    EXPECT_EQ(result.headers.back().sampleRate, 22050);
}

} // namespace
} // namespace corvatto
