#pragma once

#include <string>

namespace corvatto {

// Finds the skin engine library and sets the application's skin engine path.
void LocateSkinEngine(const std::wstring& candidate);

// Skins the voice bar when the skin engine library sits in the run directory.
void SkinVoiceBar();

} // namespace corvatto
