#pragma once

#include "platform/audio/ClipDecoder.h"
#include "platform/audio/ClipPlayerObserver.h"
#include "platform/audio/WaveOutDevice.h"

#include <array>
#include <string>

namespace corvatto {

// One clip on its way to the device: a few buffers are queued, and each one the device hands back is
// filled with the next piece of the clip and queued again.
class ClipPlayback {
public:
    // The first buffer is short, so that the clip is heard soon after it is chosen.
    static constexpr int kFirstBufferMilliseconds = 40;
    static constexpr int kBufferMilliseconds = 150;

    static std::size_t BufferBytes(const WAVEFORMATEX& format, int milliseconds);

    // `firstPcm` is the decoded start of the clip. The device must outlive the playback.
    ClipPlayback(std::wstring path, std::unique_ptr<ClipDecoder> decoder, std::vector<std::uint8_t> firstPcm,
                 WaveOutDevice& device, ClipPlayerObserver* observer);
    ~ClipPlayback(); // silences the device and takes the buffers back
    ClipPlayback(const ClipPlayback&) = delete;
    ClipPlayback& operator=(const ClipPlayback&) = delete;

    const std::wstring& Path() const { return path_; }

    // Takes back the buffers the device is done with and queues the next pieces. False once the whole
    // clip has been played, or the device has failed.
    bool Pump();

private:
    struct Buffer {
        WAVEHDR header{};
        std::vector<std::uint8_t> pcm;
        bool queued = false;
    };

    std::wstring path_;
    std::unique_ptr<ClipDecoder> decoder_;
    WaveOutDevice& device_;
    ClipPlayerObserver* observer_;
    std::size_t bufferBytes_;
    std::array<Buffer, 4> buffers_;
};

} // namespace corvatto
