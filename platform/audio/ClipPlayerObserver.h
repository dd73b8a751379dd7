#pragma once

#include <cstddef>
#include <string>

namespace corvatto {

enum class ClipEnd {
    Finished,    // played to the end
    Stopped,     // cut short by Stop, another Play or the player's end
    NotPlayable, // not an MP3 stream the system can decode, or no sound device: nothing was played
};

// What the player does, for tests and measurements. Called on the player's own thread; a call must return
// quickly, since the sound waits for it.
class ClipPlayerObserver {
public:
    // The thread is running and the sound driver loaded: a clip started from now on starts quickly.
    virtual void Ready() {}
    virtual void DeviceOpened() {}
    // Called once waveOutWrite has taken a buffer.
    virtual void BufferWritten(const std::wstring& /*path*/, std::size_t /*bytes*/) {}
    virtual void ClipEnded(const std::wstring& /*path*/, ClipEnd /*how*/) {}
    virtual void DeviceClosed() {}

protected:
    ~ClipPlayerObserver() = default;
};

} // namespace corvatto
