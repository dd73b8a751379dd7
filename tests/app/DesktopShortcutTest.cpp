#include "app/DesktopShortcut.h"
#include "app/HotkeyText.h"
#include "app/ShellFolders.h"
#include "platform/ShellLink.h"
#include "platform/Win32.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace corvatto {
namespace {

namespace fs = std::filesystem;

std::wstring Desktop()
{
    return SpecialFolderPath(static_cast<int>(SpecialFolder::Desktop));
}

std::string Contents(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Removes the shortcut files a test expects to create, before and after it.
class DesktopFiles {
public:
    explicit DesktopFiles(std::initializer_list<std::wstring> names)
    {
        for (const std::wstring& name : names)
            paths_.push_back(fs::path(Desktop()) / name);
        Remove();
    }
    ~DesktopFiles() { Remove(); }

private:
    void Remove()
    {
        for (const fs::path& path : paths_) {
            std::error_code ignored;
            fs::remove(path, ignored);
        }
    }
    std::vector<fs::path> paths_;
};

struct NameCase {
    const wchar_t* name;
    const wchar_t* file;
};

TEST(DesktopShortcut, NameBecomesTheFileOnTheDesktop)
{
    const NameCase cases[] = {
        {L"Tool", L"Tool.lnk"},
        {L"x\\y\\Tool.exe", L"Tool.lnk"},
        {L"Tool.LNK", L"Tool.LNK"},
        {L"a.lnkx", L"a.lnkx.lnk"},
        {L"\u8BED\u97F3\u5305", L"\u8BED\u97F3\u5305.lnk"},
    };
    for (const NameCase& row : cases) {
        DesktopFiles cleanup{row.file};
        EXPECT_EQ(CreateDesktopShortcut(row.name, L"C:\\tools\\Tool.exe"), 1) << row.name;
        EXPECT_TRUE(fs::exists(fs::path(Desktop()) / row.file)) << row.name;
    }
}

TEST(DesktopShortcut, FailedCallKeepsTheExistingShortcut)
{
    DesktopFiles cleanup{L"Keep.lnk"};
    ASSERT_EQ(CreateDesktopShortcut(L"Keep", L"C:\\tools\\Tool.exe"), 1);
    const fs::path file = fs::path(Desktop()) / L"Keep.lnk";
    const std::string before = Contents(file);

    EXPECT_EQ(CreateDesktopShortcut(L"Keep", L"NoFolder.exe"), 0);
    EXPECT_EQ(CreateDesktopShortcut(L"", L"C:\\tools\\Tool.exe"), 0);
    EXPECT_EQ(Contents(file), before);
}

TEST(DesktopShortcut, PropertiesReachTheFile)
{
    DesktopFiles cleanup{L"Full.lnk", L"Bare.lnk", L"Icon.lnk"};
    ShortcutOptions options;
    options.arguments = L"--quiet";
    options.windowStyle = 7;
    options.description = L"\u8BED\u97F3 voice clips";
    options.hotkey = L"ctrl+ALT+Q";
    ASSERT_EQ(CreateDesktopShortcut(L"Full", L"C:\\games\\voice\\Quenlowe.exe", options), 1);
    ShellLink link;
    ASSERT_TRUE(LoadShellLink(Desktop() + L"Full.lnk", link));
    EXPECT_EQ(link.target, L"C:\\games\\voice\\Quenlowe.exe");
    EXPECT_EQ(link.workingDirectory, L"C:\\games\\voice\\");
    EXPECT_EQ(link.arguments, L"--quiet");
    EXPECT_EQ(link.description, options.description);
    // The link object reads the window style back normalised, so it is checked in the file's header.
    const std::string bytes = Contents(fs::path(Desktop()) / L"Full.lnk");
    ASSERT_GE(bytes.size(), 0x40u);
    EXPECT_EQ(bytes[0x3C], 7);
    EXPECT_EQ(link.hotkey, (HOTKEYF_CONTROL | HOTKEYF_ALT) << 8 | 'Q');
    // Without an icon location, a target with an extension gives its own first icon...
    EXPECT_EQ(link.iconPath, L"C:\\games\\voice\\Quenlowe.exe");
    EXPECT_EQ(link.iconIndex, 0);

    // ...and a target without one the shell's generic icon.
    ASSERT_EQ(CreateDesktopShortcut(L"Bare", L"C:\\games\\voice\\run"), 1);
    ASSERT_TRUE(LoadShellLink(Desktop() + L"Bare.lnk", link));
    EXPECT_EQ(link.iconPath, L"SHELL32.dll");
    EXPECT_EQ(link.iconIndex, 4);

    options = {};
    options.iconLocation = L"C:\\icons\\voice.ico,3";
    ASSERT_EQ(CreateDesktopShortcut(L"Icon", L"C:\\games\\voice\\run", options), 1);
    ASSERT_TRUE(LoadShellLink(Desktop() + L"Icon.lnk", link));
    EXPECT_EQ(link.iconPath, L"C:\\icons\\voice.ico");
    EXPECT_EQ(link.iconIndex, 3);
}

TEST(SpecialFolders, EveryKindIsAFolderEndingInABackslash)
{
    for (int kind = 1; kind <= 12; ++kind) {
        std::wstring path = SpecialFolderPath(kind);
        ASSERT_FALSE(path.empty()) << kind;
        EXPECT_EQ(path.back(), L'\\') << kind;
    }
    EXPECT_EQ(SpecialFolderPath(0), SpecialFolderPath(3));
    EXPECT_EQ(SpecialFolderPath(), SpecialFolderPath(3));
    EXPECT_EQ(SpecialFolderPath(13), L"");
    EXPECT_EQ(SpecialFolderPath(-1), L"");
}

TEST(FileNameOfPath, CutsFolderAndOptionallyExtension)
{
    EXPECT_EQ(FileNameOfPath(L"x\\y\\Tool.exe", false), L"Tool");
    EXPECT_EQ(FileNameOfPath(L"x\\y\\Tool.exe", true), L"Tool.exe");
    EXPECT_EQ(FileNameOfPath(L"Tool", false), L"Tool");
    EXPECT_EQ(FileNameOfPath(L"x\\archive.tar.gz", false), L"archive.tar");
}

TEST(HotkeyText, ParsesModifiersAndKey)
{
    struct Case {
        const wchar_t* text;
        std::uint16_t expected;
    };
    const Case cases[] = {
        {L"", 0},
        {L"Q", 'Q'},
        {L"CTRL+ALT+Q", (HOTKEYF_CONTROL | HOTKEYF_ALT) << 8 | 'Q'},
        {L"shift+f9", HOTKEYF_SHIFT << 8 | VK_F9},
        {L"EXT+F24", HOTKEYF_EXT << 8 | VK_F24},
        {L"ALT+7", HOTKEYF_ALT << 8 | '7'},
        {L"CTRL+", 0},
        {L"META+Q", 0},
        {L"CTRL+F25", 0},
        {L"CTRL+QQ", 0},
    };
    for (const Case& row : cases)
        EXPECT_EQ(ParseHotkeyText(row.text), row.expected) << row.text;
}

} // namespace
} // namespace corvatto
