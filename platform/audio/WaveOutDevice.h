#pragma once

#include "platform/UniqueResource.h"

#include <mmsystem.h>

#include <memory>

namespace corvatto {

struct WaveOutTraits {
    using Type = HWAVEOUT;
    static Type Invalid() { return nullptr; }
    // A device with buffers still queued refuses to close.
    static void Close(Type device)
    {
        waveOutReset(device);
        waveOutClose(device);
    }
};
using UniqueWaveOut = UniqueResource<WaveOutTraits>;

// The default sound output, open for one PCM format. Buffers come back through an event rather than a
// callback, so that all work on the device stays on one thread.
class WaveOutDevice {
public:
    // Nothing if there is no device or it does not take the format.
    static std::unique_ptr<WaveOutDevice> Open(const WAVEFORMATEX& format);

    bool Plays(const WAVEFORMATEX& format) const;

    // Signalled whenever a buffer has been played (or given back by Reset).
    HANDLE BufferDoneEvent() const { return bufferDone_.get(); }

    // Queues a buffer; its memory must stay put until the buffer is done and released.
    bool Write(WAVEHDR& buffer);
    void Release(WAVEHDR& buffer);

    // Silences the device at once and gives every queued buffer back as done.
    void Reset();

private:
    WaveOutDevice(UniqueHandle bufferDone, UniqueWaveOut device, const WAVEFORMATEX& format);

    UniqueHandle bufferDone_; // outlives the device, which signals it until closed
    UniqueWaveOut device_;
    WAVEFORMATEX format_;
};

} // namespace corvatto
