#pragma once

#include "platform/UniqueResource.h"
#include "platform/audio/Mp3FrameHeader.h"

#include <mmsystem.h>
#include <mmreg.h>
#include <msacm.h>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace corvatto {

struct AcmStreamTraits {
    using Type = HACMSTREAM;
    static Type Invalid() { return nullptr; }
    static void Close(Type stream) { acmStreamClose(stream, 0); }
};
using UniqueAcmStream = UniqueResource<AcmStreamTraits>;

// The formats on the two sides of the codec for the stream this frame starts.
MPEGLAYER3WAVEFORMAT Mp3WaveFormat(const Mp3FrameHeader& first);
WAVEFORMATEX PcmWaveFormat(const Mp3FrameHeader& first);

// The system's MP3 codec, turning whole Layer III frames into 16-bit PCM at the stream's own sample rate
// and channel count.
class AcmMp3Decoder {
public:
    // Opens the stream on the given codec driver if there is one, else on whichever installed codec takes
    // it. Nothing if none does.
    static std::unique_ptr<AcmMp3Decoder> Open(const Mp3FrameHeader& first, HACMDRIVER driver = nullptr);

    const WAVEFORMATEX& PcmFormat() const { return pcm_; }

    // Decodes these frames and appends the PCM that comes out; input the codec does not take this time is
    // kept for the next call. False if the codec fails.
    bool Decode(std::span<const std::uint8_t> frames, std::vector<std::uint8_t>& pcm);

    // Appends whatever the codec still holds once there are no more frames.
    bool Finish(std::vector<std::uint8_t>& pcm);

private:
    AcmMp3Decoder(UniqueAcmStream stream, const WAVEFORMATEX& pcm, int samplesPerFrame);
    bool Convert(DWORD flags, std::vector<std::uint8_t>& pcm);

    UniqueAcmStream stream_;
    WAVEFORMATEX pcm_;
    bool started_ = false;
    std::vector<std::uint8_t> input_;
    std::vector<std::uint8_t> output_;
};

} // namespace corvatto
