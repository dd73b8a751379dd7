#include "platform/audio/FileByteSource.h"

#include <algorithm>

namespace corvatto {

std::unique_ptr<FileByteSource> FileByteSource::Open(const std::wstring& path)
{
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file)
        return nullptr;
    return std::unique_ptr<FileByteSource>(new FileByteSource(std::move(file)));
}

std::size_t FileByteSource::Read(std::span<std::uint8_t> buffer)
{
    DWORD read = 0;
    auto size = static_cast<DWORD>(std::min<std::size_t>(buffer.size(), MAXDWORD));
    if (!ReadFile(file_.get(), buffer.data(), size, &read, nullptr))
        return 0;
    return read;
}

} // namespace corvatto
