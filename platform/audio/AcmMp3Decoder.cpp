#include "platform/audio/AcmMp3Decoder.h"

#include <algorithm>

namespace corvatto {
namespace {

constexpr int kOutputFrames = 8;

} // namespace

MPEGLAYER3WAVEFORMAT Mp3WaveFormat(const Mp3FrameHeader& first)
{
    MPEGLAYER3WAVEFORMAT format{};
    format.wfx.wFormatTag = WAVE_FORMAT_MPEGLAYER3;
    format.wfx.nChannels = static_cast<WORD>(first.channels);
    format.wfx.nSamplesPerSec = static_cast<DWORD>(first.sampleRate);
    format.wfx.nAvgBytesPerSec = static_cast<DWORD>(first.bitrateKbps * 1000 / 8);
    format.wfx.nBlockAlign = 1;
    format.wfx.cbSize = MPEGLAYER3_WFX_EXTRA_BYTES;
    format.wID = MPEGLAYER3_ID_MPEG;
    format.fdwFlags = MPEGLAYER3_FLAG_PADDING_OFF;
    format.nBlockSize = static_cast<WORD>(first.frameLength - (first.padded ? 1 : 0));
    format.nFramesPerBlock = 1;
    format.nCodecDelay = 0;
    return format;
}

WAVEFORMATEX PcmWaveFormat(const Mp3FrameHeader& first)
{
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = static_cast<WORD>(first.channels);
    format.nSamplesPerSec = static_cast<DWORD>(first.sampleRate);
    format.wBitsPerSample = 16;
    format.nBlockAlign = static_cast<WORD>(format.nChannels * 2);
    format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
    return format;
}

std::unique_ptr<AcmMp3Decoder> AcmMp3Decoder::Open(const Mp3FrameHeader& first, HACMDRIVER driver)
{
    MPEGLAYER3WAVEFORMAT mp3 = Mp3WaveFormat(first);
    WAVEFORMATEX pcm = PcmWaveFormat(first);
    HACMSTREAM stream = nullptr;
    // The driver given may not take this stream; any installed one may.
    if (acmStreamOpen(&stream, driver, &mp3.wfx, &pcm, nullptr, 0, 0, 0) != 0 &&
        (!driver || acmStreamOpen(&stream, nullptr, &mp3.wfx, &pcm, nullptr, 0, 0, 0) != 0))
        return nullptr;
    return std::unique_ptr<AcmMp3Decoder>(new AcmMp3Decoder(UniqueAcmStream(stream), pcm, first.samplesPerFrame));
}

AcmMp3Decoder::AcmMp3Decoder(UniqueAcmStream stream, const WAVEFORMATEX& pcm, int samplesPerFrame)
    : stream_(std::move(stream)), pcm_(pcm),
      output_(static_cast<std::size_t>(kOutputFrames * samplesPerFrame) * pcm.nBlockAlign)
{
}

bool AcmMp3Decoder::Decode(std::span<const std::uint8_t> frames, std::vector<std::uint8_t>& pcm)
{
    input_.insert(input_.end(), frames.begin(), frames.end());
    DWORD flags = ACM_STREAMCONVERTF_BLOCKALIGN | (started_ ? 0 : ACM_STREAMCONVERTF_START);
    started_ = true;
    return Convert(flags, pcm);
}

bool AcmMp3Decoder::Finish(std::vector<std::uint8_t>& pcm)
{
    return Convert(ACM_STREAMCONVERTF_END, pcm);
}

// The codec keeps what does not fit in the output buffer and hands it out on a later call, so it is called
// again, with no new input, for as long as it fills the buffer.
bool AcmMp3Decoder::Convert(DWORD flags, std::vector<std::uint8_t>& pcm)
{
    for (;;) {
        // A header must point at a buffer even when there is no input left.
        std::uint8_t none = 0;
        ACMSTREAMHEADER header{sizeof header};
        header.pbSrc = input_.empty() ? &none : input_.data();
        header.cbSrcLength = static_cast<DWORD>(input_.size());
        header.pbDst = output_.data();
        header.cbDstLength = static_cast<DWORD>(output_.size());
        if (acmStreamPrepareHeader(stream_.get(), &header, 0) != 0)
            return input_.empty();
        MMRESULT converted = acmStreamConvert(stream_.get(), &header, flags);
        acmStreamUnprepareHeader(stream_.get(), &header, 0);
        if (converted != 0)
            return false;

        DWORD used = std::min(header.cbSrcLengthUsed, header.cbSrcLength);
        DWORD produced = std::min(header.cbDstLengthUsed, header.cbDstLength);
        input_.erase(input_.begin(), input_.begin() + used);
        pcm.insert(pcm.end(), output_.begin(), output_.begin() + produced);
        if (produced < output_.size() || (used == 0 && produced == 0))
            return true;
        flags &= ~ACM_STREAMCONVERTF_START;
    }
}

} // namespace corvatto
