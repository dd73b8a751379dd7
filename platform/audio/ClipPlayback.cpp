#include "platform/audio/ClipPlayback.h"

#include <algorithm>

namespace corvatto {

std::size_t ClipPlayback::BufferBytes(const WAVEFORMATEX& format, int milliseconds)
{
    std::size_t blocks = static_cast<std::size_t>(format.nSamplesPerSec) * milliseconds / 1000;
    return blocks * format.nBlockAlign;
}

ClipPlayback::ClipPlayback(std::wstring path, std::unique_ptr<ClipDecoder> decoder, std::vector<std::uint8_t> firstPcm,
                           WaveOutDevice& device, ClipPlayerObserver* observer)
    : path_(std::move(path)), decoder_(std::move(decoder)), device_(device), observer_(observer),
      bufferBytes_(BufferBytes(decoder_->PcmFormat(), kBufferMilliseconds))
{
    buffers_[0].pcm = std::move(firstPcm);
}

ClipPlayback::~ClipPlayback()
{
    device_.Reset();
    for (Buffer& buffer : buffers_) {
        if (buffer.queued)
            device_.Release(buffer.header);
    }
}

bool ClipPlayback::Pump()
{
    for (Buffer& buffer : buffers_) {
        if (buffer.queued && (buffer.header.dwFlags & WHDR_DONE)) {
            device_.Release(buffer.header);
            buffer.queued = false;
            buffer.pcm.clear();
        }
    }
    // Buffers are filled as they are queued, so the device gets the pieces in order whichever comes back.
    for (Buffer& buffer : buffers_) {
        if (buffer.queued)
            continue;
        if (buffer.pcm.empty() && !decoder_->Ended())
            decoder_->Decode(bufferBytes_, buffer.pcm); // after a codec failure, what did come out still plays
        if (buffer.pcm.empty())
            continue;
        buffer.header = WAVEHDR{};
        buffer.header.lpData = reinterpret_cast<LPSTR>(buffer.pcm.data());
        buffer.header.dwBufferLength = static_cast<DWORD>(buffer.pcm.size());
        if (!device_.Write(buffer.header))
            return false;
        buffer.queued = true;
        if (observer_)
            observer_->BufferWritten(path_, buffer.pcm.size());
    }
    return std::any_of(buffers_.begin(), buffers_.end(), [](const Buffer& buffer) { return buffer.queued; });
}

} // namespace corvatto
