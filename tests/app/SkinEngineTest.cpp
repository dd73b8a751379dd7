#include "app/Application.h"
#include "app/SkinEngine.h"
#include "platform/Files.h"
#include "tests/app/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace corvatto {
namespace {

using testing::TemporaryFolder;
namespace fs = std::filesystem;

TEST(SkinEngine, CarriesAFixedSizeSkin)
{
    EXPECT_EQ(VoiceBarSkin().size(), 3482u);
}

TEST(SkinEngine, LocatorPrefersCandidateThenSystemDirectoryThenRunDirectory)
{
    TemporaryFolder run, system, elsewhere;
    const std::wstring systemSlash = system.wpath() + L"\\";
    const std::wstring candidate = elsewhere.AddFile(L"engine.dll");
    const std::wstring missing = elsewhere.wpath() + L"\\missing.dll";

    struct Case {
        const char* name;
        std::wstring candidate;
        bool inRun;
        bool inSystem;
        std::wstring expected;
    };
    const Case cases[] = {
        {"CandidateExists", L"  " + candidate + L" ", true, true, candidate},
        {"RunDirectoryOnly", L"", true, false, run.wpath() + L"\\SkinH_EL.dll"},
        {"SystemDirectoryOnly", L"", false, true, systemSlash + L"SkinH_EL.dll"},
        {"SystemDirectoryWinsOverRunDirectory", L"", true, true, systemSlash + L"SkinH_EL.dll"},
        {"MissingCandidateFallsBack", missing, true, false, run.wpath() + L"\\SkinH_EL.dll"},
        {"NothingFoundKeepsTheCandidate", missing, false, false, missing},
        {"NothingFoundAtAll", L"", false, false, L""},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        fs::remove(run.path() / L"SkinH_EL.dll");
        fs::remove(system.path() / L"SkinH_EL.dll");
        if (row.inRun)
            run.AddFile(L"SkinH_EL.dll");
        if (row.inSystem)
            system.AddFile(L"SkinH_EL.dll");
        EXPECT_EQ(FindSkinEngine(row.candidate, run.wpath(), systemSlash), row.expected);
    }
}

TEST(SkinEngine, SystemDirectoryEndsInABackslash)
{
    std::wstring directory = SystemDirectoryWithSlash();
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(directory.back(), L'\\');
}

// The stand-in engines are built next to the test exe.
std::wstring StandIn(const wchar_t* name)
{
    return RunDirectory() + L"\\" + name;
}

std::string RecordedCalls(const std::wstring& engine)
{
    std::ifstream in(fs::path(engine + L".calls"), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(SkinEngine, AttachHandsTheSkinToTheEngineOnce)
{
    const std::wstring engine = StandIn(L"RecordingSkinEngine.dll");
    fs::remove(fs::path(engine + L".calls"));
    App().skinEnginePath = engine;
    const std::uint8_t skin[] = {1, 2, 3, 4, 5};

    EXPECT_EQ(AttachSkin(skin, nullptr, 0, 0, 0), 1);

    std::string calls = RecordedCalls(engine);
    EXPECT_EQ(calls.find("size=5 crc=470b99f4 password=(null) a=0 b=0 c=0"), 0u) << calls;
    EXPECT_EQ(std::count(calls.begin(), calls.end(), '\n'), 1);
    fs::remove(fs::path(engine + L".calls"));
}

TEST(SkinEngine, AttachFailsWithoutAnEngineThatTakesTheSkin)
{
    TemporaryFolder folder;
    struct Case {
        const char* name;
        std::wstring path;
    };
    const Case cases[] = {
        {"NoPath", L""},
        {"MissingFile", StandIn(L"missing.dll")},
        {"NotALibrary", folder.AddFile(L"SkinH_EL.dll")},
        {"NoExport", StandIn(L"EngineWithoutExport.dll")},
        {"EngineRefuses", StandIn(L"RefusingSkinEngine.dll")},
    };
    for (const Case& row : cases) {
        App().skinEnginePath = row.path;
        EXPECT_EQ(AttachSkin(VoiceBarSkin(), nullptr, 0, 0, 0), 0) << row.name;
    }
    App().skinEnginePath.clear();
}

} // namespace
} // namespace corvatto
