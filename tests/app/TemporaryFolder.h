#pragma once

#include "platform/Win32.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace corvatto::testing {

// A folder of its own under the temporary directory, removed with everything in it.
class TemporaryFolder {
public:
    TemporaryFolder()
    {
        path_ = std::filesystem::temp_directory_path() /
                ("corvatto-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter_++));
        std::filesystem::create_directories(path_);
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::wstring wpath() const { return path_.wstring(); }
    std::wstring AddFile(const std::wstring& name) const
    {
        std::ofstream(path_ / name) << "data";
        return (path_ / name).wstring();
    }
    void AddFolder(const std::wstring& name) const { std::filesystem::create_directory(path_ / name); }

private:
    static inline int counter_ = 0;
    std::filesystem::path path_;
};

} // namespace corvatto::testing
