#include "platform/audio/ClipDecoder.h"

#include <algorithm>

namespace corvatto {
namespace {

// Enough frames per call that the codec is not called per frame, few enough that a call stays short.
constexpr std::size_t kMostFramesPerBatch = 16;

} // namespace

std::unique_ptr<ClipDecoder> ClipDecoder::Open(std::unique_ptr<ByteSource> source, HACMDRIVER driver)
{
    if (!source)
        return nullptr;
    auto reader = std::make_unique<Mp3FrameReader>(*source);
    std::optional<Mp3Frame> first = reader->Next();
    if (!first)
        return nullptr;
    std::unique_ptr<AcmMp3Decoder> decoder = AcmMp3Decoder::Open(first->header, driver);
    if (!decoder)
        return nullptr;
    return std::unique_ptr<ClipDecoder>(
        new ClipDecoder(std::move(source), std::move(reader), *first, std::move(decoder)));
}

ClipDecoder::ClipDecoder(std::unique_ptr<ByteSource> source, std::unique_ptr<Mp3FrameReader> reader,
                         const Mp3Frame& first, std::unique_ptr<AcmMp3Decoder> decoder)
    : source_(std::move(source)), reader_(std::move(reader)), stream_(first.header), decoder_(std::move(decoder)),
      batch_(first.bytes.begin(), first.bytes.end()), batchFrames_(1)
{
}

bool ClipDecoder::Decode(std::size_t bytes, std::vector<std::uint8_t>& pcm)
{
    std::size_t wanted = pcm.size() + bytes;
    std::size_t frameBytes = static_cast<std::size_t>(stream_.samplesPerFrame) * PcmFormat().nBlockAlign;
    while (!ended_ && pcm.size() < wanted) {
        std::size_t frames = std::clamp<std::size_t>((wanted - pcm.size() + frameBytes - 1) / frameBytes, 1,
                                                     kMostFramesPerBatch);
        bool more = NextBatch(frames);
        bool decoded = decoder_->Decode(batch_, pcm) && (more || decoder_->Finish(pcm));
        batch_.clear();
        batchFrames_ = 0;
        if (!decoded || !more)
            ended_ = true;
        if (!decoded)
            return false;
    }
    return true;
}

// Adds frames to the batch until it holds `frameCount`; false once the stream has no more.
// Frames whose channel count differs from the first one's would not fit the open codec: they are left out.
bool ClipDecoder::NextBatch(std::size_t frameCount)
{
    while (batchFrames_ < frameCount) {
        std::optional<Mp3Frame> frame = reader_->Next();
        if (!frame)
            return false;
        if (frame->header.channels != stream_.channels || !SameMp3Stream(frame->header, stream_))
            continue;
        batch_.insert(batch_.end(), frame->bytes.begin(), frame->bytes.end());
        ++batchFrames_;
    }
    return true;
}

} // namespace corvatto
