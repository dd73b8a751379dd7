#pragma once

#include "app/NativeForm.h"

#include <memory>

namespace corvatto {

// The strip the user keeps open while playing: the clips of the voice directory and an Exit button.
// Choosing a clip plays it at once.
class VoiceBar final : public NativeForm {
public:
    static std::unique_ptr<VoiceBar> Load();

private:
    VoiceBar() = default;

    void OnCreated() override;
    void OnCommand(int id, int notification) override;

    void FillClipList();
    void PlaySelectedClip();
};

} // namespace corvatto
