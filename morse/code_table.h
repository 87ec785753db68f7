#pragma once

// The fixed vocabulary of the translator: 52 characters with their Morse codes. Letters,
// digits and the marks ? / - . : , = ' " ( ) @ carry the International Morse Code; ! ; _ and $
// are our additions. No lower-case letter is in it (the encoder upper-cases first), and no
// other character: the plus sign, for one, has no row.

#include <array>
#include <optional>
#include <string_view>

#include "text/byte_text.h"

namespace morse {

struct CodeEntry {
    std::string_view character;  // one ASCII byte from 21 to 5F
    std::string_view code;       // 1 to 7 dots and dashes
};

// clang-format off
inline constexpr std::array<CodeEntry, 52> codeTable{{
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
}};
// clang-format on

// The code of the row whose character is exactly `character`, byte for byte; none for any
// other text, the empty one and lower-case letters included.
[[nodiscard]] std::optional<std::string_view> codeForCharacter(const text::ByteText& character);

// The character of the row whose code is exactly `code`; none for anything else: the empty
// text, a code with a space or line break beside it, two codes run together.
[[nodiscard]] std::optional<std::string_view> characterForCode(const text::ByteText& code);

}  // namespace morse
