#include "platform/audio/ClipPlayer.h"

namespace corvatto {

class ClipPlayer::Worker {};

ClipPlayer::ClipPlayer() = default;
ClipPlayer::~ClipPlayer() = default;
void ClipPlayer::Play(const std::wstring&) {}
void ClipPlayer::Stop() {}

} // namespace corvatto
