// The text value itself and the operations that count bytes and know nothing of characters:
// textLength, textMid, compareText and concatText.
#include <cstdint>
#include <limits>
#include <sstream>
#include <string_view>
#include <utility>

#include <gtest/gtest.h>

#include "text/byte_text.h"

namespace {

using text::ByteText;

constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();

// Two-byte characters are written as hex escapes, each escape in a literal of its own so that
// the next letter is not read as one more hex digit.
ByteText t(std::string_view bytes) {
    return ByteText(bytes);
}

TEST(ByteTextValue, DropsEveryZeroByteAndKeepsTheRest) {
    using namespace std::string_view_literals;
    const struct {
        std::string_view given;
        std::string_view kept;
    } cases[] = {
        {""sv, ""sv},
        {"\0"sv, ""sv},
        {"\0\0\0"sv, ""sv},
        {"a\0b"sv, "ab"sv},
        {"\0a\0"sv, "a"sv},
        {"\xD6\0\xD0"sv, "\xD6\xD0"sv},
        {"\x80\xFF\x01"sv, "\x80\xFF\x01"sv},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::string(c.given)));
        const ByteText built(c.given);
        EXPECT_EQ(built.bytes(), c.kept);
        EXPECT_EQ(textLength(built), static_cast<std::int32_t>(c.kept.size()));
    }
}

TEST(ByteTextValue, DefaultIsTheEmptyText) {
    const ByteText none;
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(textLength(none), 0);
    EXPECT_EQ(none, t(""));
}

TEST(ByteTextValue, CopiesOwnTheirBytes) {
    ByteText original =
        t("\xD6\xD0"
          "abc");
    const ByteText copy = original;
    EXPECT_EQ(copy, t("\xD6\xD0"
                      "abc"));
    EXPECT_NE(copy.bytes().data(), original.bytes().data());

    ByteText assigned = t("old");
    assigned = original;
    original = t("replaced");
    EXPECT_EQ(copy, t("\xD6\xD0"
                      "abc"));
    EXPECT_EQ(assigned, t("\xD6\xD0"
                          "abc"));

    const ByteText& alias = assigned;
    assigned = alias;
    EXPECT_EQ(assigned, t("\xD6\xD0"
                          "abc"));

    ByteText emptied = t("x");
    emptied = ByteText();
    EXPECT_TRUE(emptied.empty());
    const ByteText emptyCopy = emptied;
    EXPECT_TRUE(emptyCopy.empty());
}

TEST(ByteTextValue, MovedFromTextIsEmpty) {
    ByteText source = t("SOS");
    const ByteText constructed = std::move(source);
    EXPECT_EQ(constructed, t("SOS"));
    EXPECT_TRUE(source.empty());  // NOLINT(bugprone-use-after-move): the moved-from state
    EXPECT_EQ(textLength(source), 0);

    ByteText again = t("\xA3\xAC");
    ByteText target = t("overwritten");
    target = std::move(again);
    EXPECT_EQ(target, t("\xA3\xAC"));
    EXPECT_TRUE(again.empty());  // NOLINT(bugprone-use-after-move)

    // A moved-from text is still a whole value: it can be given a new one and copied.
    again = t("new");
    EXPECT_EQ(again, t("new"));
}

TEST(ByteTextValue, PrintsEveryByteAFailureCouldHide) {
    std::ostringstream out;
    out << t("A\xD6\xD0\"\\\r\n\x7F\x80\xFF");
    EXPECT_EQ(out.str(), R"("A\xD6\xD0\x22\x5C\x0D\x0A\x7F\x80\xFF")");
    // The stream's own number format must survive the hex escapes.
    out.str("");
    out << t("\xFF") << 255;
    EXPECT_EQ(out.str(), R"("\xFF"255)");
}

TEST(TextLength, CountsBytesNotCharacters) {
    const struct {
        std::string_view bytes;
        std::int32_t length;
    } cases[] = {
        {"", 0},
        {"A", 1},
        {"\xD6\xD0"
         "A",
         3},
        {"\xD6", 1},
        {"\r\n", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(t(c.bytes));
        EXPECT_EQ(textLength(t(c.bytes)), c.length);
    }
}

TEST(TextMid, TakesBytesFromAOneBasedPosition) {
    const struct {
        std::string_view bytes;
        std::int32_t position;
        std::int32_t count;
        std::string_view piece;
    } cases[] = {
        {"ABC", 1, 1, "A"},
        {"ABC", 1, 3, "ABC"},
        {"ABC", 2, 5, "BC"},
        {"ABC", 3, 1, "C"},
        {"ABC", 3, 2, "C"},
        {"ABC", 2, 1, "B"},
        {"ABC", 1, int32Max, "ABC"},
        {"ABC", 3, int32Max, "C"},
        // Blind to characters: either half of a pair can be cut out alone.
        {"\xD6\xD0", 1, 1, "\xD6"},
        {"\xD6\xD0", 2, 1, "\xD0"},
        {"A\xD6\xD0", 2, 2, "\xD6\xD0"},
        {"\x80\xFF", 2, 1, "\xFF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << t(c.bytes) << " from " << c.position << " count " << c.count);
        EXPECT_EQ(textMid(t(c.bytes), c.position, c.count), t(c.piece));
    }
}

TEST(TextMid, OutOfRangePositionOrCountGivesTheEmptyText) {
    const struct {
        std::string_view bytes;
        std::int32_t position;
        std::int32_t count;
    } cases[] = {
        {"ABC", 0, 1},
        {"ABC", -1, 5},
        {"ABC", 4, 1},
        {"ABC", 5, 0},
        {"ABC", 1, 0},
        {"ABC", 2, -1},
        {"ABC", int32Min, int32Max},
        {"ABC", int32Max, 1},
        {"ABC", int32Max, int32Max},
        {"ABC", 1, int32Min},
        {"ABC", int32Min, int32Min},
        {"", 1, 1},
        {"", 0, 0},
        {"", int32Max, int32Max},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << t(c.bytes) << " from " << c.position << " count " << c.count);
        EXPECT_TRUE(textMid(t(c.bytes), c.position, c.count).empty());
    }
}

TEST(TextMid, LeavesItsArgumentUnchanged) {
    const ByteText whole =
        t("\xD6\xD0"
          "AB");
    const ByteText piece = textMid(whole, 2, 2);
    EXPECT_EQ(piece, t("\xD0"
                       "A"));
    EXPECT_EQ(whole, t("\xD6\xD0"
                       "AB"));
}

TEST(CompareText, OrdersByUnsignedBytesThenByLength) {
    const struct {
        std::string_view first;
        std::string_view second;
        int order;
    } cases[] = {
        {"", "", 0},
        {"A", "A", 0},
        {"\xD6\xD0", "\xD6\xD0", 0},
        {"A", "a", -1},
        {"ab", "a", +1},
        {"", "a", -1},
        {"", "\x01", -1},
        {"abc", "abd", -1},
        {"b", "abc", +1},
        // Bytes of 0x80 and above sort after every ASCII byte, not before.
        {"\x80", "\x7F", +1},
        {"\xFF", "\x01", +1},
        {"\xD6\xD0", "\xD6\xD1", -1},
        {"\xD6\xD0"
         "A",
         "\xD6\xD0", +1},
        {".-", ".- ", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << t(c.first) << " vs " << t(c.second));
        EXPECT_EQ(compareText(t(c.first), t(c.second)), c.order);
        EXPECT_EQ(compareText(t(c.second), t(c.first)), -c.order);
    }
}

TEST(ConcatText, JoinsTheTextsInTheOrderGiven) {
    EXPECT_EQ(concatText(t(".-"), t("")), t(".-"));
    EXPECT_EQ(concatText(t(""), t(".-")), t(".-"));
    EXPECT_EQ(concatText(t(""), t("")), t(""));
    EXPECT_EQ(concatText(t("abc")), t("abc"));
    EXPECT_EQ(concatText(t("-..."), t("/")), t("-.../"));
    EXPECT_EQ(concatText(t("a"), t(""), t("\xA3\xAC"), t("b")), t("a\xA3\xAC"
                                                                  "b"));
    // Concatenation knows nothing of characters: two halves make one pair.
    EXPECT_EQ(concatText(t("\xD6"), t("\xD0")), t("\xD6\xD0"));

    const ByteText first = t("ab");
    const ByteText second = t("cd");
    EXPECT_EQ(concatText(first, second, first), t("abcdab"));
    EXPECT_EQ(first, t("ab"));
    EXPECT_EQ(second, t("cd"));
}

}  // namespace
