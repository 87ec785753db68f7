// The code table, the mark variant list and the two lookups.
#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "morse/code_table.h"
#include "morse/mark_variants.h"

namespace {

using text::ByteText;

ByteText t(std::string_view bytes) {
    return ByteText(bytes);
}

// The International Morse Code for letters, digits and marks, plus our four additions
// (! ; _ $), written out again here so that a slip in the table cannot pass unnoticed.
// clang-format off
constexpr morse::CodeEntry expectedRows[] = {
    {"A", ".-"},      {"B", "-..."},    {"C", "-.-."},    {"D", "-.."},     {"E", "."},
    {"F", "..-."},    {"G", "--."},     {"H", "...."},    {"I", ".."},      {"J", ".---"},
    {"K", "-.-"},     {"L", ".-.."},    {"M", "--"},      {"N", "-."},      {"O", "---"},
    {"P", ".--."},    {"Q", "--.-"},    {"R", ".-."},     {"S", "..."},     {"T", "-"},
    {"U", "..-"},     {"V", "...-"},    {"W", ".--"},     {"X", "-..-"},    {"Y", "-.--"},
    {"Z", "--.."},
    {"1", ".----"},   {"2", "..---"},   {"3", "...--"},   {"4", "....-"},   {"5", "....."},
    {"6", "-...."},   {"7", "--..."},   {"8", "---.."},   {"9", "----."},   {"0", "-----"},
    {"?", "..--.."},  {"/", "-..-."},   {"-", "-....-"},  {".", ".-.-.-"},  {":", "---..."},
    {",", "--..--"},  {";", "-.-.-."},  {"=", "-...-"},   {"'", ".----."},  {"!", "-.-.--"},
    {"_", "..--.-"},  {"\"", ".-..-."}, {"(", "-.--."},   {")", "-.--.-"},  {"$", "...-..-"},
    {"@", ".--.-."},
};

constexpr morse::MarkVariant expectedMarks[] = {
    {"\xA9\xA5", "-"},  // heavy horizontal line
    {"\xA1\xAA", "-"},  // em dash
    {"\xA3\xAD", "-"},  // full-width hyphen-minus
    {"\xA1\xA3", "."},  // ideographic full stop
    {"\xA1\xA4", "."},  // middle dot
    {"\xA3\xAE", "."},  // full-width full stop
    {"*",        "."},  // asterisk
    {"\xA1\xF1", "."},  // black circle
};
// clang-format on

TEST(CodeTable, HoldsTheFiftyTwoRowsInOrder) {
    ASSERT_EQ(morse::codeTable.size(), std::size(expectedRows));
    for (std::size_t i = 0; i < std::size(expectedRows); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(morse::codeTable[i].character, expectedRows[i].character);
        EXPECT_EQ(morse::codeTable[i].code, expectedRows[i].code);
    }
}

TEST(CodeTable, RowsKeepTheRulesTheLookupsRelyOn) {
    std::set<std::string_view> characters;
    std::set<std::string_view> codes;
    for (const morse::CodeEntry& row : morse::codeTable) {
        SCOPED_TRACE(row.character);
        ASSERT_EQ(row.character.size(), 1U);
        const auto byte = static_cast<unsigned char>(row.character[0]);
        EXPECT_GE(byte, 0x21);
        EXPECT_LE(byte, 0x5F);
        EXPECT_GE(row.code.size(), 1U);
        EXPECT_LE(row.code.size(), 7U);
        EXPECT_EQ(row.code.find_first_not_of(".-"), std::string_view::npos) << row.code;
        EXPECT_TRUE(characters.insert(row.character).second) << "character twice";
        EXPECT_TRUE(codes.insert(row.code).second) << "code twice: " << row.code;
    }
}

TEST(CodeTable, EveryRowIsFoundBothWays) {
    for (const morse::CodeEntry& row : morse::codeTable) {
        SCOPED_TRACE(row.character);
        EXPECT_EQ(morse::codeForCharacter(t(row.character)), row.code);
        EXPECT_EQ(morse::characterForCode(t(row.code)), row.character);
    }
}

TEST(CodeTable, EveryOtherOneByteTextHasNoCode) {
    for (unsigned byte = 0x01; byte <= 0xFF; ++byte) {
        const std::string character(1, static_cast<char>(byte));
        const bool inTable =
            std::any_of(std::begin(expectedRows), std::end(expectedRows),
                        [&](const morse::CodeEntry& row) { return row.character == character; });
        SCOPED_TRACE(byte);
        EXPECT_EQ(morse::codeForCharacter(t(character)).has_value(), inTable);
    }
}

TEST(CodeTable, LookupsMatchWholeTextsExactly) {
    const struct {
        std::string_view given;
        std::optional<std::string_view> code;
    } characters[] = {
        {"a", std::nullopt},  // lower-case letters have no row
        {"z", std::nullopt},
        {"+", std::nullopt},
        {"*", std::nullopt},
        {"&", std::nullopt},
        {"\xA1\xAA", std::nullopt},  // em dash
        {"\xA3\xC1", std::nullopt},  // full-width A: only the encoder narrows
        {"", std::nullopt},
        {"AB", std::nullopt},
        {"A ", std::nullopt},
        {" A", std::nullopt},
        {"\xD5"
         "f",
         std::nullopt},
        {"-", "-....-"},
        {".", ".-.-.-"},
        {"\"", ".-..-."},
    };
    for (const auto& c : characters) {
        SCOPED_TRACE(t(c.given));
        EXPECT_EQ(morse::codeForCharacter(t(c.given)), c.code);
    }

    const struct {
        std::string_view given;
        std::optional<std::string_view> character;
    } codes[] = {
        {"-....-", "-"},
        {".-.-.-", "."},
        {"...-..-", "$"},
        {".-.-.", std::nullopt},  // the plus sign of the standard
        {"", std::nullopt},
        {"...---", std::nullopt},  // two codes run together
        {".- ", std::nullopt},
        {" .-", std::nullopt},
        {".-\r\n", std::nullopt},
        {"........", std::nullopt},
        {"-------", std::nullopt},
        {".-.-.-.", std::nullopt},
        {"\xA1\xAA", std::nullopt},  // a look-alike dash is only rewritten by the decoder
        {"*", std::nullopt},
        {"A", std::nullopt},
    };
    for (const auto& c : codes) {
        SCOPED_TRACE(t(c.given));
        EXPECT_EQ(morse::characterForCode(t(c.given)), c.character);
    }
}

TEST(CodeTable, NoOtherCodeOfUpToEightMarksIsFound) {
    std::set<std::string_view> known;
    for (const morse::CodeEntry& row : expectedRows) {
        known.insert(row.code);
    }
    for (std::size_t length = 1; length <= 8; ++length) {
        for (unsigned pattern = 0; pattern < (1U << length); ++pattern) {
            std::string code;
            for (std::size_t mark = 0; mark < length; ++mark) {
                code += (pattern >> mark) & 1U ? '-' : '.';
            }
            if (known.count(code) == 0 && morse::characterForCode(t(code)).has_value()) {
                ADD_FAILURE() << code << " is not a code of the table but was found";
            }
        }
    }
}

TEST(MarkVariants, ListsTheEightLookAlikesInOrder) {
    ASSERT_EQ(morse::markVariants.size(), std::size(expectedMarks));
    for (std::size_t i = 0; i < std::size(expectedMarks); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(morse::markVariants[i].variant, expectedMarks[i].variant);
        EXPECT_EQ(morse::markVariants[i].replacement, expectedMarks[i].replacement);
    }
}

// Each variant must be one whole character, so that no rewrite can create or remove another
// row's variant and the order of the rows cannot change a result.
TEST(MarkVariants, EachVariantIsOneWholeCharacter) {
    for (const morse::MarkVariant& row : morse::markVariants) {
        SCOPED_TRACE(t(row.variant));
        if (row.variant.size() == 1) {
            EXPECT_LT(static_cast<unsigned char>(row.variant[0]), 0x80);
        } else {
            ASSERT_EQ(row.variant.size(), 2U);
            EXPECT_GE(static_cast<unsigned char>(row.variant[0]), 0x80);
        }
        EXPECT_TRUE(row.replacement == "-" || row.replacement == ".") << row.replacement;
    }
}

}  // namespace
