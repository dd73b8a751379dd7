#include "platform/audio/ClipDecoder.h"
#include "platform/audio/FileByteSource.h"
#include "platform/audio/MemoryByteSource.h"
#include "tests/app/TemporaryFolder.h"
#include "tests/platform/audio/Fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace corvatto {
namespace {

using testing::ReadFixture;
using Bytes = std::vector<std::uint8_t>;

struct Decoded {
    WAVEFORMATEX format{};
    Bytes pcm;
};

// Decodes the whole clip asking for `piece` bytes at a time.
Decoded DecodeAll(std::unique_ptr<ByteSource> source, std::size_t piece = 1 << 20)
{
    Decoded decoded;
    std::unique_ptr<ClipDecoder> decoder = ClipDecoder::Open(std::move(source));
    EXPECT_TRUE(decoder);
    if (!decoder)
        return decoded;
    decoded.format = decoder->PcmFormat();
    while (!decoder->Ended())
        EXPECT_TRUE(decoder->Decode(piece, decoded.pcm));
    return decoded;
}

std::vector<double> Channel(const Decoded& decoded, int channel)
{
    std::vector<double> samples;
    for (std::size_t at = static_cast<std::size_t>(channel) * 2; at + 1 < decoded.pcm.size();
         at += decoded.format.nBlockAlign) {
        auto sample = static_cast<std::int16_t>(decoded.pcm[at] | decoded.pcm[at + 1] << 8);
        samples.push_back(sample / 32768.0);
    }
    return samples;
}

// The power of one frequency in a stretch of samples.
double Goertzel(const std::vector<double>& samples, std::size_t from, std::size_t count, double frequency,
                int sampleRate)
{
    double coefficient = 2 * std::cos(2 * std::numbers::pi * frequency / sampleRate);
    double previous = 0, beforePrevious = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        double current = samples[i] + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    return previous * previous + beforePrevious * beforePrevious - coefficient * previous * beforePrevious;
}

struct DecodeCase {
    const char* name;
    int sampleRate;
    int channels;
    std::size_t contentSamples; // per channel, as the encoder was given them
    int samplesPerFrame;
    double toneHz; // 0: no single tone
};

const DecodeCase kClips[] = {
    {"cbr-1000hz.mp3", 44100, 2, 22050, 1152, 1000},
    {"vbr.mp3", 44100, 2, 26460, 1152, 0},
    {"mono22-660hz.mp3", 22050, 1, 11025, 576, 660},
    {"speech-tagged.mp3", 22050, 1, 22147, 576, 0},
};

TEST(ClipDecoder, DecodesTheWholeClipAsSixteenBitPcm)
{
    for (const DecodeCase& c : kClips) {
        SCOPED_TRACE(c.name);
        Bytes stream = ReadFixture(c.name);
        Decoded decoded = DecodeAll(std::make_unique<MemoryByteSource>(stream));
        EXPECT_EQ(decoded.format.wFormatTag, WAVE_FORMAT_PCM);
        EXPECT_EQ(decoded.format.wBitsPerSample, 16);
        EXPECT_EQ(decoded.format.nSamplesPerSec, static_cast<DWORD>(c.sampleRate));
        EXPECT_EQ(decoded.format.nChannels, c.channels);
        ASSERT_EQ(decoded.pcm.size() % decoded.format.nBlockAlign, 0u);
        // The encoder puts 576 samples in front and pads the last frame, the codec adds its own 529-sample
        // delay, and an Info frame decodes as one frame of silence.
        std::size_t samples = decoded.pcm.size() / decoded.format.nBlockAlign;
        EXPECT_GE(samples, c.contentSamples);
        EXPECT_LE(samples, c.contentSamples + 576 + 529 + 2 * c.samplesPerFrame);
    }
}

TEST(ClipDecoder, TonesComeOutAtTheirFrequencyOnEveryChannel)
{
    for (const DecodeCase& c : kClips) {
        if (c.toneHz == 0)
            continue;
        SCOPED_TRACE(c.name);
        Decoded decoded = DecodeAll(std::make_unique<MemoryByteSource>(ReadFixture(c.name)));
        for (int channel = 0; channel < c.channels; ++channel) {
            std::vector<double> samples = Channel(decoded, channel);
            // A stretch well inside the clip, clear of the delay at the start and the fade at the end.
            std::size_t from = 2000, count = static_cast<std::size_t>(c.sampleRate) / 5;
            ASSERT_GE(samples.size(), from + count);
            double tone = Goertzel(samples, from, count, c.toneHz, c.sampleRate);
            EXPECT_GT(tone, 100 * Goertzel(samples, from, count, c.toneHz * 0.7, c.sampleRate));
            EXPECT_GT(tone, 100 * Goertzel(samples, from, count, c.toneHz * 1.4, c.sampleRate));
            // Half-scale sine: power (count * 0.5 / 2)^2.
            EXPECT_NEAR(std::sqrt(tone) / (count * 0.25), 1.0, 0.1);
        }
    }
}

TEST(ClipDecoder, GivesTheSamePcmWhateverSizeThePiecesAre)
{
    for (const DecodeCase& c : kClips) {
        Bytes stream = ReadFixture(c.name);
        Decoded whole = DecodeAll(std::make_unique<MemoryByteSource>(stream));
        for (std::size_t piece : {1, 5000}) {
            for (std::size_t chunk : {7, 4096}) {
                SCOPED_TRACE(::testing::Message() << c.name << ", pieces of " << piece << ", reads of " << chunk);
                Decoded pieces = DecodeAll(std::make_unique<MemoryByteSource>(stream, chunk), piece);
                EXPECT_TRUE(pieces.pcm == whole.pcm);
            }
        }
    }
}

TEST(ClipDecoder, DecodeStopsSoonAfterTheAmountAskedFor)
{
    Bytes stream = ReadFixture("cbr-1000hz.mp3");
    std::unique_ptr<ClipDecoder> decoder = ClipDecoder::Open(std::make_unique<MemoryByteSource>(stream));
    ASSERT_TRUE(decoder);
    const std::size_t frameBytes = 1152 * 4;
    Bytes pcm(10, 0xAB); // what is there already stays
    ASSERT_TRUE(decoder->Decode(8000, pcm));
    EXPECT_GE(pcm.size(), 10u + 8000);
    EXPECT_LT(pcm.size(), 10u + 8000 + 2 * frameBytes);
    EXPECT_EQ(pcm[9], 0xAB);
    EXPECT_FALSE(decoder->Ended());
}

TEST(ClipDecoder, OpensNothingThatIsNotAStream)
{
    for (const char* name : {"empty.mp3", "random.bin", "truncated.mp3"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(ClipDecoder::Open(std::make_unique<MemoryByteSource>(ReadFixture(name))));
    }
    EXPECT_FALSE(ClipDecoder::Open(nullptr));
}

TEST(ClipDecoder, ReadsFilesWhoseNamesAreOutsideTheAnsiCodePage)
{
    testing::TemporaryFolder folder;
    std::filesystem::path path = folder.path() / L"\u0175\u2603 \u96C6\u5408.mp3";
    Bytes stream = ReadFixture("mono22-660hz.mp3");
    testing::WriteFile(path, stream);

    Decoded fromFile = DecodeAll(FileByteSource::Open(path.wstring()));
    Decoded fromMemory = DecodeAll(std::make_unique<MemoryByteSource>(stream));
    EXPECT_FALSE(fromFile.pcm.empty());
    EXPECT_TRUE(fromFile.pcm == fromMemory.pcm);
    EXPECT_FALSE(FileByteSource::Open((folder.path() / L"missing.mp3").wstring()));
}

} // namespace
} // namespace corvatto
