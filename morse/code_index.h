#pragma once

// The code table and the mark variant list turned into byte-indexed arrays at compile time, so
// that the translations look a character or a code up with one array read. The arrays are
// derived from the tables alone; the checks below stop the build if a table breaks the rules
// the lookups rely on.

#include <array>
#include <cstddef>
#include <string_view>

#include "morse/code_table.h"
#include "morse/mark_variants.h"

namespace morse::detail {

inline constexpr std::size_t longestCode = 7;

// A code's key: a 1 above its marks, then a 0 for each dot and a 1 for each dash, so that each
// code of 1 to 7 marks has a key of its own below 256. 0 for anything that is not such a code.
[[nodiscard]] constexpr unsigned codeKey(std::string_view code) noexcept {
    if (code.empty() || code.size() > longestCode) {
        return 0;
    }
    unsigned key = 1;
    for (const char mark : code) {
        if (mark != '.' && mark != '-') {
            return 0;
        }
        key = key * 2 + (mark == '-' ? 1U : 0U);
    }
    return key;
}

// The code of each byte that is a character of the table; empty for every other byte.
inline constexpr std::array<std::string_view, 256> codeOfByte = [] {
    std::array<std::string_view, 256> codes{};
    for (const CodeEntry& entry : codeTable) {
        codes[static_cast<unsigned char>(entry.character[0])] = entry.code;
    }
    return codes;
}();

// The character whose code has the given key; 0 where no code has it.
inline constexpr std::array<char, 256> characterOfKey = [] {
    std::array<char, 256> characters{};
    for (const CodeEntry& entry : codeTable) {
        characters[codeKey(entry.code)] = entry.character[0];
    }
    return characters;
}();

// The ASCII mark that a two-byte look-alike stands for; 0 for every other pair.
[[nodiscard]] constexpr char markOfPair(unsigned char lead, unsigned char second) noexcept {
    for (const MarkVariant& row : markVariants) {
        if (row.variant.size() == 2 && static_cast<unsigned char>(row.variant[0]) == lead &&
            static_cast<unsigned char>(row.variant[1]) == second) {
            return row.replacement[0];
        }
    }
    return 0;
}

// The ASCII mark that a one-byte look-alike (the asterisk) stands for, or the byte itself.
[[nodiscard]] constexpr char markOfByte(char byte) noexcept {
    for (const MarkVariant& row : markVariants) {
        if (row.variant.size() == 1 && row.variant[0] == byte) {
            return row.replacement[0];
        }
    }
    return byte;
}

// The one look-alike mark that is a single byte.
inline constexpr char oneByteVariant = [] {
    for (const MarkVariant& row : markVariants) {
        if (row.variant.size() == 1) {
            return row.variant[0];
        }
    }
    return '\0';
}();

[[nodiscard]] consteval bool tableIsSound() {
    std::array<bool, 256> seenCharacter{};
    std::array<bool, 256> seenKey{};
    for (const CodeEntry& entry : codeTable) {
        if (entry.character.size() != 1 || codeKey(entry.code) == 0) {
            return false;
        }
        const auto character = static_cast<unsigned char>(entry.character[0]);
        if (character < 0x21 || character > 0x5F || (character >= 'a' && character <= 'z') ||
            seenCharacter[character] || seenKey[codeKey(entry.code)]) {
            return false;
        }
        seenCharacter[character] = true;
        seenKey[codeKey(entry.code)] = true;
    }
    return true;
}
static_assert(tableIsSound(), "each row: one character 21..5F, a code of 1..7 marks, both unique");

[[nodiscard]] consteval bool marksAreSound() {
    int oneByteRows = 0;
    for (const MarkVariant& row : markVariants) {
        oneByteRows += row.variant.size() == 1 ? 1 : 0;
        const bool oneByte =
            row.variant.size() == 1 && static_cast<unsigned char>(row.variant[0]) < 0x80;
        const bool twoByte =
            row.variant.size() == 2 && static_cast<unsigned char>(row.variant[0]) >= 0x80;
        if (!(oneByte || twoByte) || (row.replacement != "-" && row.replacement != ".")) {
            return false;
        }
    }
    return oneByteRows == 1;
}
static_assert(
    marksAreSound(),
    "each variant is one whole character, one of them a single byte, each replacement . or -");

}  // namespace morse::detail
