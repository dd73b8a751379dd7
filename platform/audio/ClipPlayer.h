#pragma once

#include "platform/audio/ClipPlayerObserver.h"

#include <memory>
#include <string>

namespace corvatto {

// Plays MP3 clips one at a time in the background. Play and Stop return at once: the clip is read,
// decoded and handed to the sound device on the player's own thread, a little ahead of what is being heard.
class ClipPlayer {
public:
    // The observer, if any, must outlive the player.
    explicit ClipPlayer(ClipPlayerObserver* observer = nullptr);
    ~ClipPlayer(); // stops the clip and the player's thread
    ClipPlayer(const ClipPlayer&) = delete;
    ClipPlayer& operator=(const ClipPlayer&) = delete;

    // Stops the clip still playing, then plays this file once. A file that is not a playable MP3 stream
    // plays nothing.
    void Play(const std::wstring& path);
    void Stop();

private:
    class Worker;
    std::unique_ptr<Worker> worker_;
};

} // namespace corvatto
