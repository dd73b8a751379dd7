#include "app/ClipList.h"
#include "tests/app/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace corvatto {
namespace {

using testing::TemporaryFolder;

std::vector<std::wstring> Sorted(std::vector<std::wstring> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ClipList, ListsOnlyMp3FilesInAnyCase)
{
    TemporaryFolder folder;
    folder.AddFile(L"a.mp3");
    folder.AddFile(L"B.MP3");
    folder.AddFolder(L"x.mp3");
    folder.AddFile(L"d.txt");
    EXPECT_EQ(Sorted(ListClips(folder.wpath())), (std::vector<std::wstring>{L"B.MP3", L"a.mp3"}));
}

TEST(ClipList, KeepsNamesOutsideTheAnsiCodePage)
{
    TemporaryFolder folder;
    const std::wstring name = L"\u0175\u2603 \u96C6\u5408.mp3"; // ŵ☃ 集合.mp3
    folder.AddFile(name);
    EXPECT_EQ(ListClips(folder.wpath()), std::vector<std::wstring>{name});
}

TEST(ClipList, EmptyOrMissingDirectoryListsNothing)
{
    TemporaryFolder folder;
    EXPECT_TRUE(ListClips(folder.wpath()).empty());
    EXPECT_TRUE(ListClips((folder.path() / L"missing").wstring()).empty());
}

TEST(ClipList, PatternAndPathAreBuiltFromTheVoiceDirectory)
{
    EXPECT_EQ(ClipPattern(L"C:\\clips"), L"C:\\clips\\*.mp3");
    EXPECT_EQ(ClipPattern(L""), L"\\*.mp3");
    EXPECT_EQ(ClipPath(L"C:\\clips", L"go.mp3"), L"C:\\clips\\go.mp3");
    EXPECT_EQ(ClipPath(L"", L"go.mp3"), L"\\go.mp3");
}

} // namespace
} // namespace corvatto
