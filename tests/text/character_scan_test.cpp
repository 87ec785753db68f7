// toUpperCase and toHalfWidth step through the text by character: a byte of 0x80 or above
// takes the next byte with it, whatever that byte is, and a lone lead byte ends the scan.
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "text/byte_text.h"

namespace {

using text::ByteText;

ByteText t(std::string_view bytes) {
    return ByteText(bytes);
}

std::string bytesOf(unsigned first) {
    return std::string(1, static_cast<char>(first));
}

std::string bytesOf(unsigned first, unsigned second) {
    return {static_cast<char>(first), static_cast<char>(second)};
}

struct Conversion {
    std::string_view given;
    std::string_view expected;
};

TEST(ToUpperCase, ChangesOnlyOneByteLowerCaseLetters) {
    const Conversion cases[] = {
        {"", ""},
        {"sos", "SOS"},
        {"sOs", "SOS"},
        {"az", "AZ"},
        {"`{@[", "`{@["},  // the bytes either side of a..z and A..Z
        {"a1 b.\r\n", "A1 B.\r\n"},
        // The second byte of a pair is never a letter, also below 0x80.
        {"\xD6"
         "a",
         "\xD6"
         "a"},
        {"\xD6"
         "ab",
         "\xD6"
         "aB"},
        {"\x80"
         "a",
         "\x80"
         "a"},
        {"\xFF"
         "ab",
         "\xFF"
         "aB"},
        {"\x81"
         "a\x81"
         "b",
         "\x81"
         "a\x81"
         "b"},
        {"\xA3\xE1", "\xA3\xE1"},  // a full-width letter stays full-width and lower-case
        // A lone lead byte stays, and so does everything before it.
        {"a\x80", "A\x80"},
        {"\xB0", "\xB0"},
        {"\xD6\xD0"
         "a\xFF",
         "\xD6\xD0"
         "A\xFF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(t(c.given));
        EXPECT_EQ(toUpperCase(t(c.given)), t(c.expected));
    }
}

TEST(ToUpperCase, EveryOneByteCharacter) {
    for (unsigned byte = 0x01; byte < 0x80; ++byte) {
        SCOPED_TRACE(byte);
        const unsigned expected = byte >= 'a' && byte <= 'z' ? byte - 0x20 : byte;
        EXPECT_EQ(toUpperCase(t(bytesOf(byte))), t(bytesOf(expected)));
    }
}

TEST(ToUpperCase, EveryPairStaysWhole) {
    for (unsigned lead = 0x80; lead <= 0xFF; ++lead) {
        for (unsigned second = 0x01; second <= 0xFF; ++second) {
            const ByteText pair = t(bytesOf(lead, second));
            const ByteText upper = toUpperCase(pair);
            if (upper != pair) {
                ADD_FAILURE() << pair << " became " << upper;
                return;
            }
        }
    }
}

// The pairs that narrow, apart from the A3 A1..A3 FE block.
struct Narrowing {
    unsigned lead;
    unsigned second;
    unsigned narrow;
};
// clang-format off
constexpr Narrowing namedNarrowings[] = {
    {0xA1, 0xA1, 0x20},  // ideographic space
    {0xA1, 0xAB, 0x7E},  // full-width tilde
    {0xA1, 0xEE, 0x2A},  // white star
    {0xA1, 0xEF, 0x2A},  // black star
};
// clang-format on

unsigned expectedNarrowing(unsigned lead, unsigned second) {
    if (lead == 0xA3 && second >= 0xA1 && second <= 0xFE) {
        return second - 0x80;
    }
    for (const Narrowing& row : namedNarrowings) {
        if (row.lead == lead && row.second == second) {
            return row.narrow;
        }
    }
    return 0;
}

TEST(ToHalfWidth, NarrowsFullWidthForms) {
    const Conversion cases[] = {
        {"", ""},
        {"AB 1", "AB 1"},
        {"\xA3\xC1\xA3\xC2\xA1\xA1\xA3\xB1", "AB 1"},
        {"\xA3\xA1", "!"},
        {"\xA3\xA4", "$"},  // full-width yen sign
        {"\xA3\xFE", "~"},  // full-width macron
        {"\xA3\xE1\xA3\xFA", "az"},
        {"\xA1\xEE\xA1\xEF", "**"},
        {"\xA1\xAB", "~"},
        {"\xA3\xAD\xA3\xAE", "-."},
        // Pairs outside the table are copied whole.
        {"\xA1\xE7", "\xA1\xE7"},  // full-width dollar sign
        {"\xA3\xA0", "\xA3\xA0"},
        {"\xA3\xFF", "\xA3\xFF"},
        {"\xD6\xD0", "\xD6\xD0"},
        {"\xA1\xAA\xA1\xA3", "\xA1\xAA\xA1\xA3"},  // em dash, ideographic full stop
        {"\xA3"
         "A",
         "\xA3"
         "A"},  // the 41 is the pair's second byte, not an A
        {"\x80\xFF", "\x80\xFF"},
        // A lone lead byte is dropped, and only it.
        {"A\xA3", "A"},
        {"\xA3", ""},
        {"\xA3\xC1\xA3", "A"},
        {"\x80\xA3\xC1", "\x80\xA3"},  // 80 A3 is a pair, so C1 is the lone lead byte
        {"\xFF\xA3\xC1", "\xFF\xA3"},
        {"\xA1\xA1\xA1", " "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(t(c.given));
        EXPECT_EQ(toHalfWidth(t(c.given)), t(c.expected));
    }
}

TEST(ToHalfWidth, EveryFullWidthFormOfTheA3Row) {
    for (unsigned second = 0xA1; second <= 0xFE; ++second) {
        SCOPED_TRACE(second);
        EXPECT_EQ(toHalfWidth(t(bytesOf(0xA3, second))), t(bytesOf(second - 0x80)));
    }
}

TEST(ToHalfWidth, EveryPairNarrowsOnlyAsTheTableSays) {
    for (unsigned lead = 0x80; lead <= 0xFF; ++lead) {
        for (unsigned second = 0x01; second <= 0xFF; ++second) {
            const ByteText pair = t(bytesOf(lead, second));
            const unsigned narrow = expectedNarrowing(lead, second);
            const ByteText expected = narrow != 0 ? t(bytesOf(narrow)) : pair;
            // A byte after the pair shows that the scan went on at the right place.
            const ByteText narrowed = toHalfWidth(concatText(pair, t("a")));
            if (narrowed != concatText(expected, t("a"))) {
                ADD_FAILURE() << pair << " followed by a became " << narrowed;
                return;
            }
        }
    }
}

TEST(ToHalfWidth, EveryOneByteCharacterIsCopied) {
    for (unsigned byte = 0x01; byte < 0x80; ++byte) {
        SCOPED_TRACE(byte);
        EXPECT_EQ(toHalfWidth(t(bytesOf(byte))), t(bytesOf(byte)));
    }
}

TEST(ToHalfWidth, LeavesItsArgumentUnchanged) {
    const ByteText given =
        t("\xA3\xC1"
          "b\xA3");
    EXPECT_EQ(toHalfWidth(given), t("Ab"));
    EXPECT_EQ(given, t("\xA3\xC1"
                       "b\xA3"));
}

}  // namespace
