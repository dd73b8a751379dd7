#include "app/ClipList.h"

#include "platform/Files.h"

namespace corvatto {

std::wstring ClipPattern(const std::wstring& voiceDirectory)
{
    return voiceDirectory + L"\\*.mp3";
}

std::wstring ClipPath(const std::wstring& voiceDirectory, const std::wstring& clipName)
{
    return voiceDirectory + L"\\" + clipName;
}

std::vector<std::wstring> ListClips(const std::wstring& voiceDirectory)
{
    return ListFiles(ClipPattern(voiceDirectory));
}

} // namespace corvatto
