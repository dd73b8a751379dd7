#include "tests/platform/audio/Fixtures.h"

#include "platform/audio/MemoryByteSource.h"
#include "platform/audio/Mp3Frames.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace corvatto::testing {

std::filesystem::path FixturePath(const std::string& name)
{
    const wchar_t* folder = _wgetenv(L"CORVATTO_TEST_DATA");
    EXPECT_NE(folder, nullptr) << "CORVATTO_TEST_DATA is not set";
    return std::filesystem::path(folder ? folder : L".") / "fixtures" / name;
}

std::vector<std::uint8_t> ReadFixture(const std::string& name)
{
    std::ifstream file(FixturePath(name), std::ios::binary);
    EXPECT_TRUE(file) << "missing fixture " << name;
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(file) << "could not write " << path.string();
}

std::vector<std::vector<std::uint8_t>> FixtureFrames(const std::string& name)
{
    std::vector<std::uint8_t> bytes = ReadFixture(name);
    MemoryByteSource source(bytes);
    Mp3FrameReader reader(source);
    std::vector<std::vector<std::uint8_t>> frames;
    while (std::optional<Mp3Frame> frame = reader.Next())
        frames.emplace_back(frame->bytes.begin(), frame->bytes.end());
    return frames;
}

} // namespace corvatto::testing
