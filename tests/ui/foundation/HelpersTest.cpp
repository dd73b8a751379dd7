#include "platform/Win32.h"
#include "ui/foundation/Callback.h"
#include "ui/foundation/RawMemory.h"
#include "ui/foundation/WideText.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace corvatto::ui {
namespace {

// Little-endian, with the terminating zero character.
ByteArray Utf16Bytes(std::u16string_view text)
{
    ByteArray bytes;
    for (char16_t c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

struct TextCase {
    Text ansi; // GBK
    std::u16string utf16;
};

TEST(WideTextTest, TextsRoundTripThroughCodePage936)
{
    ASSERT_EQ(GetACP(), 936u) << "the tests run with the Chinese ANSI code page";
    const std::vector<TextCase> cases = {
        {"", u""},
        {"abc", u"abc"},
        {"\xCB\xCE\xCC\xE5", u"\u5B8B\u4F53"},
        {"\xC8\xAB\xB2\xBF\xD1\xA1\xD4\xF1(&A)", u"\u5168\u90E8\u9009\u62E9(&A)"},
    };
    for (const TextCase& c : cases) {
        const ByteArray wide = TextToWide(c.ansi);
        EXPECT_EQ(wide, Utf16Bytes(c.utf16)) << c.ansi;
        EXPECT_EQ(WideToText(wide), c.ansi);
    }
}

TEST(WideTextTest, AnUnterminatedBufferIsReadToItsEndOnly)
{
    ByteArray wide = Utf16Bytes(u"abc");
    wide.resize(4); // "ab" without a terminator; the storage behind it still holds "c"
    EXPECT_EQ(WideToText(wide), "ab");
    wide.resize(3); // half a character at the end
    EXPECT_EQ(WideToText(wide), "a");
    EXPECT_EQ(WideToText({}), "");
}

TEST(WideTextTest, BytesDataIsZeroForAnEmptyArray)
{
    const ByteArray bytes{1, 2};
    EXPECT_EQ(BytesData(bytes), AsField(bytes.data()));
    EXPECT_EQ(BytesData({}), 0);
}

TEST(RawMemoryTest, CopyBytesToCopiesTheCountOnlyWhenItIsShorterThanTheArray)
{
    const ByteArray bytes{1, 2, 3, 4};
    const std::vector<std::pair<std::optional<std::size_t>, std::size_t>> cases = {
        {std::nullopt, 4}, {0, 4}, {1, 1}, {3, 3}, {4, 4}, {9, 4},
    };
    for (const auto& [count, copied] : cases) {
        std::array<std::uint8_t, 8> target;
        target.fill(0xEE);
        CopyBytesTo(AsField(target.data()), bytes, count);
        for (std::size_t i = 0; i < target.size(); ++i) {
            const std::uint8_t expected = i < copied ? bytes[i] : 0xEE;
            EXPECT_EQ(target[i], expected) << "count " << count.value_or(-1) << ", byte " << i;
        }
    }
}

TEST(RawMemoryTest, ARawBlockStartsZeroedAndHoldsPointerSizedValues)
{
    const Field block = AllocRaw(4 * sizeof(Field));
    ASSERT_NE(block, 0);
    EXPECT_EQ(PeekInt(block + sizeof(Field)), 0);
    const Field address = AsField(&block);
    EXPECT_EQ(PokeInt(block + sizeof(Field), address), block + static_cast<Field>(sizeof(Field)));
    EXPECT_EQ(PeekInt(block + sizeof(Field)), address);
    EXPECT_EQ(PeekInt(block), 0);
    EXPECT_NE(FreeRaw(block), 0);
    EXPECT_EQ(FreeRaw(0), 0);
}

TEST(RawMemoryTest, TruncToInt64TruncatesTowardZero)
{
    const std::vector<std::pair<double, std::int64_t>> cases = {
        {2.9, 2}, {-2.9, -2}, {0.5, 0}, {-0.5, 0}, {4294967296.5, 4294967296}, {1e300, INT64_MAX}, {-1e300, INT64_MIN},
    };
    for (const auto& [value, truncated] : cases)
        EXPECT_EQ(TruncToInt64(value), truncated) << value;
}

// Callbacks of every arity: each records the values it was given.
std::vector<Field> received;

template <std::size_t>
using Value = Field;

template <typename Indexes>
struct Recorder;

template <std::size_t... Index>
struct Recorder<std::index_sequence<Index...>> {
    static Field Take(Value<Index>... values)
    {
        received = {values...};
        return 100 + static_cast<Field>(sizeof...(Index));
    }
};

template <std::size_t Arity>
Field RecorderRoutine()
{
    return RoutineAddress<&Recorder<std::make_index_sequence<Arity>>::Take>();
}

template <std::size_t... Arity>
std::vector<Field> RecorderRoutines(std::index_sequence<Arity...>)
{
    return {RecorderRoutine<Arity>()...};
}

TEST(CallRoutineTest, ACallbackTakesAsManyOfTheTenOfferedValuesAsItDeclares)
{
    const std::vector<Field> routines = RecorderRoutines(std::make_index_sequence<11>{});
    const std::vector<Field> offered = {11, 22, 33, 44, 55, 66, 77, 88, 99, -1};
    for (std::size_t arity = 0; arity < routines.size(); ++arity) {
        received = {0xBAD};
        const Field result = CallRoutine(routines[arity], 11, 22, 33, 44, 55, 66, 77, 88, 99, -1);
        EXPECT_EQ(result, 100 + static_cast<Field>(arity));
        EXPECT_EQ(received, std::vector<Field>(offered.begin(), offered.begin() + arity)) << arity << " values";
    }
}

int lastSeen = 0;
void Remember(HWND window, int value) noexcept
{
    lastSeen = value + (window == HWND_BROADCAST ? 1000 : 0);
}

TEST(CallRoutineTest, PointerValuesNoexceptRoutinesAndRoutinesWithoutAResult)
{
    EXPECT_EQ(CallRoutine(RoutineAddress<&Remember>(), HWND_BROADCAST, 7, 8), 0);
    EXPECT_EQ(lastSeen, 1007);
}

TEST(CallRoutineTest, NoRoutineGivesZero)
{
    EXPECT_EQ(CallRoutine(0, 1, 2, 3), 0);
    EXPECT_EQ(CallRoutine(0), 0);
}

} // namespace
} // namespace corvatto::ui
