#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace corvatto::testing {

// A file of tests/platform/audio/fixtures (see make_fixtures.sh there).
std::filesystem::path FixturePath(const std::string& name);
std::vector<std::uint8_t> ReadFixture(const std::string& name);

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// The frames of a fixture, each as its own bytes.
std::vector<std::vector<std::uint8_t>> FixtureFrames(const std::string& name);

} // namespace corvatto::testing
