// Morse code to plain text: look-alike marks rewritten, the text cut at the separator, and every
// piece that is exactly a code turned into its character.
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "morse/code_table.h"
#include "morse/decoder.h"
#include "morse/mark_variants.h"
#include "tests/morse/translation_cases.h"

namespace {

using text::ByteText;

using morse::testing::expectTranslations;
using morse::testing::t;
using morse::testing::TranslationCase;

TEST(DecodeFromMorse, TurnsEachPieceThatIsACodeIntoItsCharacter) {
    const TranslationCase cases[] = {
        {".../---/...", "/", "SOS"},
        {"... --- ...", " ", "SOS"},
        {"/.../---//.../", "/", "SOS"},
        {".../---/.../", "/", "SOS"},
        {"-....-", "/", "-"},
        {".-.-.-", "/", "."},
        {".-\r\n-...", "\r\n", "AB"},
        {".- / -...", " / ", "AB"},
        {".-\xA3\xAC-...", "\xA3\xAC", "AB"},  // a two-byte separator, ，
        {".-\xA3\xAC\xA3\xAC-...\xA3\xAC", "\xA3\xAC", "AB"},
        {".-", "", "A"},  // an empty separator: the whole input is one piece
        {"...---...", "", ""},
        {"", "/", ""},
        {"", "", ""},
        {"   ", " ", ""},
        {"/", "/", ""},
    };
    expectTranslations(morse::decodeFromMorse, cases);
}

TEST(DecodeFromMorse, SkipsPiecesThatAreNotCodes) {
    const TranslationCase cases[] = {
        {"... --- ...", "/", ""},
        {".-.-.", "/", ""},  // the standard's plus sign has no row
        {"........", "/", ""},
        {".-/.-.-./-...", "/", "AB"},
        {"a/.-/A", "/", "A"},
        // Spaces and line breaks beside a code spoil it.
        {".- / -...", "/", ""},
        {".-/-...\r\n", "/", "A"},
        {".- -...\r\n-.-.", " ", "A"},
        {" .-/", "/", ""},
        // No narrowing: a full-width solidus is not the separator.
        {".-\xA3\xAF-...", "/", ""},
    };
    expectTranslations(morse::decodeFromMorse, cases);
}

TEST(DecodeFromMorse, ReadsLookAlikeMarksAsDashesAndDots) {
    const TranslationCase cases[] = {
        {"\xA1\xF1\xA1\xF1\xA1\xF1/\xA9\xA5\xA9\xA5\xA9\xA5/\xA1\xF1\xA1\xF1\xA1\xF1", "/",
         "SOS"},                         // ●●●/━━━/●●●
        {"\xA1\xA3\xA1\xAA", "/", "A"},  // 。—
        {"\xA1\xA4\xA1\xAA/\xA1\xAA\xA1\xA4\xA1\xA4\xA1\xA4", "/", "AB"},  // ·—/—···
        {"\xA3\xAE\xA3\xAD", "/", "A"},                                    // ．－
        {"***", "/", "S"},
        {"\xA1\xA3\xA1\xA4\xA3\xAE*\xA1\xF1", "/", "5"},  // every dot mark in one code
        {"\xA9\xA5\xA1\xAA\xA3\xAD-\xA1\xA3", "/", "9"},  // every dash mark in one code
        // A mark's bytes are found only where they form a whole character.
        {"\xB0\xA1\xAA", "\xB0", ""},
        {".-\x81*", "\x81", "A"},  // 81 2A is one character, not a dot
    };
    expectTranslations(morse::decodeFromMorse, cases);
}

TEST(DecodeFromMorse, EveryMarkVariantStandsForItsMark) {
    for (const morse::MarkVariant& row : morse::markVariants) {
        SCOPED_TRACE(t(row.variant));
        const std::string variant(row.variant);
        const std::string_view threeMarks = row.replacement == "-" ? "O" : "S";
        EXPECT_EQ(morse::decodeFromMorse(t(variant + variant + variant), t("/")), t(threeMarks));
        const std::string_view mixed = row.replacement == "-" ? "ETA" : "EEI";
        EXPECT_EQ(morse::decodeFromMorse(t("./" + variant + "/." + variant), t("/")), t(mixed));
    }
}

TEST(DecodeFromMorse, SeparatorIsUsedAsItIs) {
    const TranslationCase cases[] = {
        // The marks of the input are rewritten before the cut, the separator is not: a
        // separator holding a look-alike mark is never found.
        {".-\xA1\xA3-...", "\xA1\xA3", ""},
        {".-*-...", "*", ""},
        {".-\xA1\xAA-...", "\xA1\xAA", ""},
        // A separator that is a dot or a dash cuts codes apart.
        {".-", "-", "E"},
        {".-", ".", "T"},
        {"-.-.-", ".-", "T"},
        {"..-.-..", "-", "IEI"},
        // Found only at character boundaries.
        {"\x80/.-/-...", "/", "B"},
        {"\xFF/.-", "/", ""},
        {"\xD6\xD0-.-", "\xD0-", ""},
        // A separator of one lead byte is tried before the character rule, and the cut goes on
        // right after it, even inside a pair.
        {".-\x80\x80-...", "\x80", "AB"},
    };
    expectTranslations(morse::decodeFromMorse, cases);
}

// Rewriting the one-byte asterisk stops at a lone lead byte, so the decoder drops one at the
// end of its input before it cuts.
TEST(DecodeFromMorse, LoneLeadByteAtTheEndIsDropped) {
    const TranslationCase cases[] = {
        {".-\x80", "/", "A"}, {".-/-...\xA1", "/", "AB"},
        {"-\xFF", "", "T"},   {".-\xA3\xAC-...\xA3", "\xA3\xAC", "AB"},
        {"\xB0", "/", ""},    {"\xD6\xD0/.-\xFF", "/", "A"},
    };
    expectTranslations(morse::decodeFromMorse, cases);
}

TEST(DecodeFromMorse, EveryCodeOfTheTable) {
    for (const morse::CodeEntry& row : morse::codeTable) {
        SCOPED_TRACE(row.character);
        const std::string code(row.code);
        EXPECT_EQ(morse::decodeFromMorse(t(code), t("/")), t(row.character));
        EXPECT_EQ(morse::decodeFromMorse(t(code), t("")), t(row.character));
        EXPECT_EQ(morse::decodeFromMorse(t("/" + code + "/"), t("/")), t(row.character));
        EXPECT_EQ(morse::decodeFromMorse(t(code + " "), t("/")), t(""));
    }
}

}  // namespace
