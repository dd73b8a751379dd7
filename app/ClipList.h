#pragma once

#include <string>
#include <vector>

namespace corvatto {

// The wildcard that finds the clips of a voice directory. An empty directory gives "\*.mp3", which the
// system resolves against the root of the current drive.
std::wstring ClipPattern(const std::wstring& voiceDirectory);

// Where a listed clip lives: always rebuilt from the current voice directory.
std::wstring ClipPath(const std::wstring& voiceDirectory, const std::wstring& clipName);

// The clip file names of a voice directory, in enumeration order; subfolders are not clips.
std::vector<std::wstring> ListClips(const std::wstring& voiceDirectory);

} // namespace corvatto
