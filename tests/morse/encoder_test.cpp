// Plain text to Morse code: narrowed, upper-cased, looked up one character at a time, every
// code followed by the separator.
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "morse/code_table.h"
#include "morse/encoder.h"
#include "tests/morse/translation_cases.h"

namespace {

using text::ByteText;

using morse::testing::expectTranslations;
using morse::testing::t;
using morse::testing::TranslationCase;

TEST(EncodeToMorse, WritesEachCodeFollowedByTheSeparator) {
    const TranslationCase cases[] = {
        {"SOS", "/", ".../---/.../"},
        {"sos", "/", ".../---/.../"},
        {"sOs", "/", ".../---/.../"},
        {"SOS", "", "...---..."},
        {"SOS", " / ", "... / --- / ... / "},
        {"E", "\r\n", ".\r\n"},
        {"-", "/", "-....-/"},
        {".", "/", ".-.-.-/"},
        {"@_", "/", ".--.-./..--.-/"},
        {"", "/", ""},
        {"", "", ""},
        // The separator is used as it is: Chinese, a lone lead byte, a look-alike mark, a
        // dot or a dash.
        {"AB", "\xA3\xAC", ".-\xA3\xAC-...\xA3\xAC"},
        {"E", "\xFF", ".\xFF"},
        {"E", "\x80", ".\x80"},
        {"E", "\xA1\xA3", ".\xA1\xA3"},
        {"E", "*", ".*"},
        {"ET", ".", "..-."},
        {"T", "-", "--"},
        {"E", ".-", "..-"},
        {"e", "a", ".a"},  // and not upper-cased
    };
    expectTranslations(morse::encodeToMorse, cases);
}

TEST(EncodeToMorse, SkipsWhatTheTableDoesNotKnow) {
    const TranslationCase cases[] = {
        {"A B", "/", ".-/-.../"},
        {"A\r\nB", "/", ".-/-.../"},
        {"   ", "/", ""},
        {"+", "/", ""},
        {"*", "/", ""},
        {"#", "/", ""},
        {"&", "/", ""},
        {"~", "/", ""},
        {"\xA1\xAA", "/", ""},          // em dash
        {"\xA1\xA3", "/", ""},          // ideographic full stop
        {"\xA1\xA1", "/", ""},          // ideographic space, narrowed to a space
        {"\xA1\xEE\xA1\xEF", "/", ""},  // both stars, narrowed to asterisks
        {"\xC4\xE3\xBA\xC3", "/", ""},  // 你好
        {"\xC4\xE3"
         "A\xBA\xC3",
         "/", ".-/"},
    };
    expectTranslations(morse::encodeToMorse, cases);
}

TEST(EncodeToMorse, NarrowsFullWidthFormsFirst) {
    const TranslationCase cases[] = {
        {"\xA3\xC1\xA3\xB1", "/", ".-/.----/"},             // Ａ１
        {"\xA3\xE1", "/", ".-/"},                           // ａ, narrowed then upper-cased
        {"\xA3\xA4", "/", "...-..-/"},                      // full-width yen sign becomes $
        {"\xA3\xC0", "/", ".--.-./"},                       // ＠
        {"\xA3\xAD\xA3\xAE", "/", "-....-/.-.-.-/"},        // － ．
        {"\xA3\xD3\xA3\xCF\xA3\xD3", "/", ".../---/.../"},  // ＳＯＳ
        {"\xA1\xE7", "/", ""},                              // full-width dollar sign stays
        {"\xA3\xA0\xA3\xFF", "/", ""},                      // outside the narrowed range
    };
    expectTranslations(morse::encodeToMorse, cases);
}

// A two-byte character yields nothing, not even when its second byte is a letter or "@".
TEST(EncodeToMorse, TwoByteCharactersNeverYieldACode) {
    const TranslationCase cases[] = {
        {"\xD5\x66", "/", ""},  // 說
        {"\xDF\x40", "/", ""},  // 這
        {"\xD5\x66"
         "A",
         "/", ".-/"},
        {"A\xD5\x66"
         "B",
         "/", ".-/-.../"},
        {"\xD5\x66\xDF\x40", "/", ""},
        {"\x81\x5F", "/", ""},
        {"\xA3"
         "A",
         "/", ""},  // not a full-width form: A3 41 stays a pair
        {"\x80"
         "A",
         "/", ""},
        {"\xFF"
         "a",
         "/", ""},
        {"\xFF"
         "ab",
         "/", "-.../"},
        {"\x80\x80"
         "E",
         "/", "./"},
        // A lone lead byte at the end is dropped, and the rest is read.
        {"A\xB0", "/", ".-/"},
        {"\xB0", "/", ""},
        {"\xD5\x66\xD5", "/", ""},
        {"\xD6\xD0"
         "e\xFF",
         "/", "./"},
    };
    expectTranslations(morse::encodeToMorse, cases);
}

TEST(EncodeToMorse, EveryCharacterOfTheTableInEitherCase) {
    for (const morse::CodeEntry& row : morse::codeTable) {
        SCOPED_TRACE(row.character);
        const std::string withSeparator = std::string(row.code) + "/";
        EXPECT_EQ(morse::encodeToMorse(t(row.character), t("/")), t(withSeparator));
        const char letter = row.character[0];
        if (letter >= 'A' && letter <= 'Z') {
            const std::string lower(1, static_cast<char>(letter + ('a' - 'A')));
            EXPECT_EQ(morse::encodeToMorse(t(lower), t("/")), t(withSeparator));
        }
    }
}

TEST(EncodeToMorse, EveryTwoByteCharacterYieldsOnlyWhatItNarrowsTo) {
    for (unsigned lead = 0x80; lead <= 0xFF; ++lead) {
        for (unsigned second = 0x01; second <= 0xFF; ++second) {
            const ByteText pair(std::string{static_cast<char>(lead), static_cast<char>(second)});
            // Narrowing is trusted here; its own tests pin every pair.
            const ByteText narrowed = toHalfWidth(pair);
            const ByteText expected =
                narrowed == pair ? ByteText() : morse::encodeToMorse(narrowed, t("/"));
            const ByteText encoded = morse::encodeToMorse(pair, t("/"));
            if (encoded != expected) {
                ADD_FAILURE() << pair << " gave " << encoded << " instead of " << expected;
                return;
            }
        }
    }
}

}  // namespace
