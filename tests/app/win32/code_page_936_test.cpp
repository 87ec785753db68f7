// The conversion at the box boundary, independent of the system's ANSI code page.
#include <gtest/gtest.h>

#include <string>

#include "app/toolkit/win32/code_page_936.h"
#include "morse/decoder.h"
#include "morse/encoder.h"

namespace {

using toolkit::win32::codePage936FromWide;
using toolkit::win32::unrepresentablePlaceholder;
using toolkit::win32::wideFromCodePage936;

const std::string placeholder{unrepresentablePlaceholder};

TEST(CodePage936FromWide, ReadsEveryKindOfCharacter) {
    const struct {
        std::wstring wide;
        std::string bytes;
    } cases[] = {
        {L"", ""},
        {L"SOS .-/\r\n", "SOS .-/\r\n"},
        {L"\u6469\u65AF\u7801", "\xC4\xA6\xCB\xB9\xC2\xEB"},  // 摩斯码
        {L"\uFF1F", "\xA3\xBF"},                              // full-width question mark
        {L"\u20ACA",
         "\xA2\xE3"
         "A"},                                // € must not swallow the A
        {L"\U0001F600A", placeholder + "A"},  // one placeholder for the pair
        {L"\xD800"
         L"A",
         placeholder + "A"},                           // unpaired high surrogate
        {L"\xDC00", placeholder},                      // unpaired low surrogate
        {L"\uF8F5", placeholder},                      // Windows writes it as lone FF
        {L"\u0080\u00FF", placeholder + placeholder},  // no form in code page 936
        {L"\u00E9", "\xA8\xA6"},                       // é has a pinyin form
        {L"\u00E8", "\xA8\xA8"},
        {L"\u0E01", placeholder},  // Thai: none
        {L"\u3013", "\xA1\xFE"},   // the placeholder itself
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(codePage936FromWide(testCase.wide), text::ByteText{testCase.bytes});
    }
}

TEST(CodePage936FromWide, NeverLeavesALeadByteWithoutItsPartnerOrAQuestionMark) {
    // Every character of the basic plane: a byte of 80 or above is always followed by a second
    // byte, the only ASCII results come from ASCII, and every character that is not the
    // placeholder comes back unchanged.
    for (wchar_t character = 1; character != 0; ++character) {
        const std::wstring wide(1, character);
        const text::ByteText read = codePage936FromWide(wide);
        const std::string_view bytes = read.bytes();
        if (character < 0x80) {
            ASSERT_EQ(bytes, std::string(1, static_cast<char>(character)));
            continue;
        }
        ASSERT_EQ(bytes.size(), 2U) << "U+" << std::hex << static_cast<unsigned>(character);
        ASSERT_GE(static_cast<unsigned char>(bytes[0]), 0x81U);
        if (bytes != unrepresentablePlaceholder) {
            ASSERT_EQ(wideFromCodePage936(bytes), wide)
                << "U+" << std::hex << static_cast<unsigned>(character);
        }
    }
}

TEST(WideFromCodePage936, WritesEveryKindOfByteText) {
    const struct {
        std::string bytes;
        std::wstring wide;
    } cases[] = {
        {"", L""},
        {".-/\r\n", L".-/\r\n"},
        {"\xD6\xD0\xCE\xC4", L"\u4E2D\u6587"},  // 中文
        {"\xA2\xE3"
         "A",
         L"\u20AC"
         L"A"},  // the euro sign's two-byte form
        {"\xA1\xFE", L"\u3013"},
        {"A\xD6", L"A\uFFFD"},  // lone lead byte at the end
        {"\x80"
         "A",
         L"\uFFFD"},  // 80 leads a pair that is no character
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(wideFromCodePage936(testCase.bytes), testCase.wide);
    }
}

TEST(UnrepresentablePlaceholder, MatchesNothingInEitherTranslation) {
    const text::ByteText unreadable{unrepresentablePlaceholder};
    const text::ByteText separators[] = {text::ByteText{"/"}, text::ByteText{" "},
                                         text::ByteText{}};
    for (const text::ByteText& separator : separators) {
        EXPECT_EQ(morse::encodeToMorse(unreadable, separator), text::ByteText{});
        EXPECT_EQ(morse::decodeFromMorse(unreadable, separator), text::ByteText{});
    }
}

}  // namespace
