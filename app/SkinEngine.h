#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace corvatto {

// The skin the program carries for the voice bar, handed to the skin engine unchanged.
std::span<const std::uint8_t> VoiceBarSkin();

// Sets the application's skin engine path: the candidate (trimmed) when that file exists; otherwise the
// engine in the run directory, then the one in the system directory, which wins when both exist.
void LocateSkinEngine(const std::wstring& candidate);

// The same search over given folders; the system directory ends in "\".
std::wstring FindSkinEngine(const std::wstring& candidate, const std::wstring& runDirectory,
                            const std::wstring& systemDirectoryWithSlash);

std::wstring SystemDirectoryWithSlash();

// Loads the engine at the skin engine path and hands it the skin. 1 when the engine took the skin; 0 when
// the library or its export is missing or the engine refused. The library stays loaded.
int AttachSkin(std::span<const std::uint8_t> skin, const char* password, int a, int b, int c);

// The voice bar's skinning: only an engine in the run directory is used.
void SkinVoiceBar();

} // namespace corvatto
