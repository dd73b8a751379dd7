#pragma once

#include "platform/UniqueResource.h"
#include "platform/audio/ByteSource.h"

#include <memory>
#include <string>

namespace corvatto {

// A file read front to back. Opened through the wide API, so any file name works whatever the ANSI code
// page.
class FileByteSource : public ByteSource {
public:
    // Nothing if the file cannot be opened for reading.
    static std::unique_ptr<FileByteSource> Open(const std::wstring& path);

    // A read error ends the bytes like the end of the file does.
    std::size_t Read(std::span<std::uint8_t> buffer) override;

private:
    explicit FileByteSource(UniqueFile file) : file_(std::move(file)) {}

    UniqueFile file_;
};

} // namespace corvatto
