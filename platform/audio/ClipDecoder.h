#pragma once

#include "platform/audio/AcmMp3Decoder.h"
#include "platform/audio/ByteSource.h"
#include "platform/audio/Mp3Frames.h"

#include <memory>
#include <optional>

namespace corvatto {

// An MP3 clip turned into PCM a piece at a time, reading only as far into the source as it has decoded.
class ClipDecoder {
public:
    // Nothing if the source holds no MP3 stream (no two frames in a row) or the system cannot decode it.
    // The codec driver, if given, is tried first (see AcmMp3Driver.h).
    static std::unique_ptr<ClipDecoder> Open(std::unique_ptr<ByteSource> source, HACMDRIVER driver = nullptr);

    const WAVEFORMATEX& PcmFormat() const { return decoder_->PcmFormat(); }

    // Appends PCM until at least `bytes` more are there or the clip has ended. False if the codec failed;
    // the clip counts as ended then.
    bool Decode(std::size_t bytes, std::vector<std::uint8_t>& pcm);

    bool Ended() const { return ended_; }

private:
    ClipDecoder(std::unique_ptr<ByteSource> source, std::unique_ptr<Mp3FrameReader> reader, const Mp3Frame& first,
                std::unique_ptr<AcmMp3Decoder> decoder);
    bool NextBatch(std::size_t frameCount);

    std::unique_ptr<ByteSource> source_; // outlives reader_, which reads it
    std::unique_ptr<Mp3FrameReader> reader_;
    Mp3FrameHeader stream_;
    std::unique_ptr<AcmMp3Decoder> decoder_;
    std::vector<std::uint8_t> batch_;
    std::size_t batchFrames_ = 0;
    bool ended_ = false;
};

} // namespace corvatto
