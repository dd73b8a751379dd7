#pragma once

#include "platform/audio/ByteSource.h"
#include "platform/audio/Mp3FrameHeader.h"

#include <optional>
#include <vector>

namespace corvatto {

struct Mp3Frame {
    Mp3FrameHeader header;
    std::span<const std::uint8_t> bytes; // the whole frame; valid until the reader's next call
};

// Reads the Layer III frames of a stream from a byte source, a few kilobytes at a time.
//
// ID3v2 tags at the start are skipped. A stream starts, and starts again after bytes that are not a frame,
// only where two whole frames of the same version and sample rate follow each other: a lone sync pattern
// in a tag, in garbage or in random bytes is not taken for audio. From there on every frame of that stream
// is read whatever its bitrate (VBR; Xing and Info frames are ordinary frames). A trailing ID3v1 tag and an
// incomplete last frame are left out.
class Mp3FrameReader {
public:
    explicit Mp3FrameReader(ByteSource& source);

    // The next frame, or nothing once the stream has ended.
    std::optional<Mp3Frame> Next();

private:
    bool Fill(std::size_t count);
    std::size_t Available() const { return end_ - begin_; }
    const std::uint8_t* Data() const { return buffer_.data() + begin_; }
    std::optional<Mp3FrameHeader> HeaderAt(std::size_t offset) const;

    void SkipId3v2Tags();
    void Discard(std::size_t count);
    bool StartsTwoFrames(const Mp3FrameHeader& header);
    bool AtId3v1Tag();
    void SkipToNextCandidate();

    ByteSource& source_;
    std::vector<std::uint8_t> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool sourceEnded_ = false;
    bool started_ = false;
    bool ended_ = false;
    std::optional<Mp3FrameHeader> stream_; // the stream the last frame belonged to, while in step with it
};

} // namespace corvatto
