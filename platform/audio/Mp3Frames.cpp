#include "platform/audio/Mp3Frames.h"

#include "platform/audio/Id3Tags.h"

#include <algorithm>
#include <cstring>

namespace corvatto {
namespace {

constexpr std::size_t kReadSize = 4096;

} // namespace

Mp3FrameReader::Mp3FrameReader(ByteSource& source) : source_(source) {}

std::optional<Mp3Frame> Mp3FrameReader::Next()
{
    if (!started_) {
        SkipId3v2Tags();
        started_ = true;
    }
    while (!ended_ && Fill(kMp3HeaderSize) && !AtId3v1Tag()) {
        std::optional<Mp3FrameHeader> header = HeaderAt(0);
        bool inStep = header && (stream_ ? SameMp3Stream(*header, *stream_) : StartsTwoFrames(*header));
        if (!inStep) {
            stream_.reset();
            SkipToNextCandidate();
            continue;
        }
        auto length = static_cast<std::size_t>(header->frameLength);
        if (!Fill(length))
            break;
        stream_ = header;
        Mp3Frame frame{*header, {Data(), length}};
        begin_ += length;
        return frame;
    }
    ended_ = true;
    return std::nullopt;
}

// Makes `count` bytes available from the current position unless the source runs out first.
bool Mp3FrameReader::Fill(std::size_t count)
{
    if (Available() >= count)
        return true;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), Data(), Available());
        end_ -= begin_;
        begin_ = 0;
    }
    while (end_ < count && !sourceEnded_) {
        if (buffer_.size() < end_ + kReadSize)
            buffer_.resize(std::max(count, end_ + kReadSize));
        std::size_t read = source_.Read(std::span(buffer_).subspan(end_));
        if (read == 0)
            sourceEnded_ = true;
        end_ += read;
    }
    return end_ >= count;
}

std::optional<Mp3FrameHeader> Mp3FrameReader::HeaderAt(std::size_t offset) const
{
    return ParseMp3FrameHeader(std::span<const std::uint8_t, kMp3HeaderSize>(Data() + offset, kMp3HeaderSize));
}

void Mp3FrameReader::SkipId3v2Tags()
{
    while (Fill(kId3v2HeaderSize)) {
        std::optional<std::size_t> length =
            Id3v2TagLength(std::span<const std::uint8_t, kId3v2HeaderSize>(Data(), kId3v2HeaderSize));
        if (!length)
            return;
        Discard(*length);
    }
}

// Tags can be far larger than the buffer (cover pictures), so they pass through it a read at a time.
void Mp3FrameReader::Discard(std::size_t count)
{
    while (count > 0 && Fill(1)) {
        std::size_t step = std::min(count, Available());
        begin_ += step;
        count -= step;
    }
}

bool Mp3FrameReader::StartsTwoFrames(const Mp3FrameHeader& header)
{
    auto length = static_cast<std::size_t>(header.frameLength);
    if (!Fill(length + kMp3HeaderSize))
        return false;
    std::optional<Mp3FrameHeader> second = HeaderAt(length);
    return second && SameMp3Stream(header, *second) && Fill(length + static_cast<std::size_t>(second->frameLength));
}

bool Mp3FrameReader::AtId3v1Tag()
{
    return Data()[0] == 'T' && !Fill(kId3v1TagSize + 1) && Available() == kId3v1TagSize &&
           IsId3v1Tag(std::span<const std::uint8_t, kId3v1TagSize>(Data(), kId3v1TagSize));
}

// The next place worth a look is the next byte that could start a frame header or an ID3v1 tag.
void Mp3FrameReader::SkipToNextCandidate()
{
    const std::uint8_t* from = Data() + 1;
    const std::uint8_t* end = buffer_.data() + end_;
    const std::uint8_t* next = std::find_if(from, end, [](std::uint8_t b) { return b == 0xFF || b == 'T'; });
    begin_ = static_cast<std::size_t>(next - buffer_.data());
}

} // namespace corvatto
