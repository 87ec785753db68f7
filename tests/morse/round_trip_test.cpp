// Text that the table knows comes back from its Morse code, as long as the separator cannot be
// mistaken for part of a code.
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "morse/code_table.h"
#include "morse/decoder.h"
#include "morse/encoder.h"

namespace {

using text::ByteText;

ByteText t(std::string_view bytes) {
    return ByteText(bytes);
}

// clang-format off
constexpr std::string_view roundTripSeparators[] = {
    "/", " ", "\r\n", " / ", "|", "\xA3\xAC", "\xD6\xD0", "\xA3\xAC\xA3\xAC", "ab", "+",
};
// clang-format on

TEST(RoundTrip, EveryCharacterOfTheTableComesBack) {
    std::string allCharacters;
    for (const morse::CodeEntry& row : morse::codeTable) {
        allCharacters += row.character;
    }
    for (const std::string_view separator : roundTripSeparators) {
        SCOPED_TRACE(t(separator));
        const ByteText encoded = morse::encodeToMorse(t(allCharacters), t(separator));
        EXPECT_EQ(morse::decodeFromMorse(encoded, t(separator)), t(allCharacters));
    }
}

TEST(RoundTrip, ComesBackNarrowedAndUpperCasedWithoutWhatTheTableLacks) {
    const struct {
        std::string_view plain;
        std::string_view decoded;
    } cases[] = {
        {"sos", "SOS"},
        {"Hello, World!", "HELLO,WORLD!"},
        {"\xA3\xC1\xA3\xE2\xA3\xB1", "AB1"},  // Ａｂ１
        {"\xC4\xE3\xBA\xC3 ok", "OK"},        // 你好 ok
        {"\xD5\x66"
         "f",
         "F"},  // 說f
        {"a+b&c", "ABC"},
        {"line\r\nbreak", "LINEBREAK"},
    };
    for (const auto& c : cases) {
        for (const std::string_view separator : roundTripSeparators) {
            SCOPED_TRACE(::testing::Message() << t(c.plain) << " separator " << t(separator));
            const ByteText encoded = morse::encodeToMorse(t(c.plain), t(separator));
            EXPECT_EQ(morse::decodeFromMorse(encoded, t(separator)), t(c.decoded));
        }
    }
}

// Where the separator holds a mark, or is empty, the decoder cannot find the boundaries that the
// encoder wrote.
TEST(RoundTrip, SeparatorsThatCannotComeBack) {
    const struct {
        std::string_view separator;
        std::string_view decoded;
    } cases[] = {
        {"", ""},          // .--... is no code
        {"\xA1\xA3", ""},  // 。 is read as a dot before the cut
        {"*", ""},
        {".", "TT"},  // only the dashes are left between the dots
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(t(c.separator));
        const ByteText encoded = morse::encodeToMorse(t("AB"), t(c.separator));
        EXPECT_EQ(morse::decodeFromMorse(encoded, t(c.separator)), t(c.decoded));
    }
}

}  // namespace
