#include "tests/ui/foundation/StartedFramework.h"
#include "ui/foundation/Fonts.h"
#include "ui/foundation/FrameworkGlobals.h"
#include "ui/foundation/WideText.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace corvatto::ui {
namespace {

using FontsTest = testing::StartedFramework;

// "宋体" in GBK: the tests run with code page 936. The test prefix maps it to WenQuanYi Zen Hei, whose
// family name GDI+ gives in Chinese under that locale: "文泉驿正黑".
const Text kSongTi = "\xCB\xCE\xCC\xE5";
const Text kMappedCjkFamily = "\xCE\xC4\xC8\xAA\xE6\xE4\xD5\xFD\xBA\xDA";

// The face the system reports for a kind of font, read through the wide API; Tahoma counts as "宋体".
Text ExpectedSystemFace(SystemFont kind)
{
    NONCLIENTMETRICSW metrics{sizeof metrics};
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return kSongTi;
    const LOGFONTW& font = kind == SystemFont::Menu      ? metrics.lfMenuFont
                           : kind == SystemFont::Message ? metrics.lfMessageFont
                                                         : metrics.lfCaptionFont;
    const std::wstring_view face(font.lfFaceName);
    if (face == L"Tahoma")
        return kSongTi;
    ByteArray wide(reinterpret_cast<const std::uint8_t*>(face.data()),
                   reinterpret_cast<const std::uint8_t*>(face.data() + face.size()));
    return WideToText(wide);
}

float SizeOf(Gdiplus::GpFont* font)
{
    float size = 0;
    Gdiplus::DllExports::GdipGetFontSize(font, &size);
    return size;
}

int StyleOf(Gdiplus::GpFont* font)
{
    int style = -1;
    Gdiplus::DllExports::GdipGetFontStyle(font, &style);
    return style;
}

Gdiplus::Unit UnitOf(Gdiplus::GpFont* font)
{
    Gdiplus::Unit unit = Gdiplus::UnitWorld;
    Gdiplus::DllExports::GdipGetFontUnit(font, &unit);
    return unit;
}

TEST_F(FontsTest, TheDefaultFontIsSongTiAtTwelvePixels)
{
    Gdiplus::GpFont* font = DefaultFont();
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(FontFamilyName(font), kMappedCjkFamily);
    EXPECT_EQ(SizeOf(font), 12.0f);
    EXPECT_EQ(UnitOf(font), Gdiplus::UnitPixel);
}

struct FontCase {
    Text face;
    float size;
    int style;
    Text family;
};

TEST_F(FontsTest, AFaceGdiPlusLacksTakesTheDefaultFontsFamily)
{
    // The CJK family reads back as bold whatever is asked for (its regular weight is medium), so its
    // cases ask for bold.
    using namespace Gdiplus;
    const std::vector<FontCase> cases = {
        {kSongTi, 14.0f, FontStyleBold, kMappedCjkFamily},
        {"Tahoma", 9.5f, FontStyleItalic | FontStyleUnderline, "Tahoma"},
        {"No Such Face", 20.0f, FontStyleBold | FontStyleItalic, kMappedCjkFamily},
        {"", 7.0f, FontStyleBold | FontStyleStrikeout, kMappedCjkFamily},
    };
    for (const FontCase& c : cases) {
        const UniqueGpFont font = CreateFontByName(c.face, c.size, c.style);
        ASSERT_TRUE(font) << c.face;
        EXPECT_EQ(FontFamilyName(font.get()), c.family) << c.face;
        EXPECT_EQ(SizeOf(font.get()), c.size) << c.face;
        EXPECT_EQ(StyleOf(font.get()), c.style) << c.face;
        EXPECT_EQ(UnitOf(font.get()), Gdiplus::UnitPixel) << c.face;
    }
}

TEST_F(FontsTest, TheDefaultFontTakesTheFirstUsableCandidate)
{
    struct CandidateCase {
        std::vector<Text> faces;
        Text family; // empty: no font
    };
    const std::vector<CandidateCase> cases = {
        {{kSongTi, "Tahoma"}, kMappedCjkFamily},
        {{"No Such Face", "Tahoma"}, "Tahoma"},
        {{"No Such Face"}, ""},
        {{}, ""},
    };
    for (const CandidateCase& c : cases) {
        const UniqueGpFont font = CreateDefaultFont(c.faces);
        EXPECT_EQ(bool(font), !c.family.empty()) << c.family;
        EXPECT_EQ(FontFamilyName(font.get()), c.family);
        if (font) {
            EXPECT_EQ(SizeOf(font.get()), 12.0f);
        }
    }
}

TEST_F(FontsTest, WithNoUsableFaceTheFrameworkRunsWithoutADefaultFont)
{
    PopupMenu menu;
    const std::vector<Text> faces = {"No Such Face", "Nor This One"};
    InitFramework(menu, faces);

    EXPECT_EQ(DefaultFont(), nullptr);
    EXPECT_FALSE(CreateFontByName("No Such Face", 12.0f, 0));
    EXPECT_EQ(FontFamilyName(nullptr), "");
    EXPECT_EQ(FontFamilyName(CreateFontByName(kSongTi, 12.0f, 0).get()), kMappedCjkFamily);
    EXPECT_EQ(SystemFontFace(), ExpectedSystemFace(SystemFont::Caption));
    EXPECT_NE(SharedImageStrip(), nullptr);
    EXPECT_EQ(menu.ItemCount(), 5);
}

TEST_F(FontsTest, TheSystemFontFaceIsTheFaceOfTheKindAsked)
{
    for (SystemFont kind : {SystemFont::Menu, SystemFont::Caption, SystemFont::Message})
        EXPECT_EQ(SystemFontFace(kind), ExpectedSystemFace(kind)) << static_cast<int>(kind);
}

} // namespace
} // namespace corvatto::ui
