#pragma once

// The character rule of code page 936 text as this program reads it, stated once:
//  - a byte below 0x80 is a one-byte character;
//  - a byte of 0x80 or above is a lead byte: it and the byte after it form one two-byte
//    character, whatever that second byte is (also below 0x80);
//  - only the high bit decides, so 0x80 and 0xFF lead too, although code page 936 never
//    uses them as lead bytes;
//  - a lead byte that is the last byte of a text is a lone lead byte.
// Character boundaries are the positions reached by stepping from the first byte one
// character at a time.

namespace text {

[[nodiscard]] constexpr bool isLeadByte(unsigned char byte) noexcept {
    return byte >= 0x80;
}

// a to z become A to Z; every other byte stays. Only for one-byte characters: a second byte of
// a pair is never upper-cased.
[[nodiscard]] constexpr unsigned char upperCaseOf(unsigned char byte) noexcept {
    return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - ('a' - 'A')) : byte;
}

// The one-byte character that a full-width two-byte character narrows to, or 0 where the
// pair stays as it is:
//   A1 A1 ideographic space  -> 20 space        A1 EE white star -> 2A asterisk
//   A1 AB full-width tilde   -> 7E tilde        A1 EF black star -> 2A asterisk
//   A3 A1..A3 FE full-width forms -> 21..7E (the second byte less 80; so the full-width
//   yen sign A3 A4 becomes "$" and the full-width macron A3 FE becomes "~")
// Nothing else narrows; the full-width dollar sign A1 E7 in particular stays.
[[nodiscard]] constexpr unsigned char halfWidthOf(unsigned char lead,
                                                  unsigned char second) noexcept {
    if (lead == 0xA3) {
        return second >= 0xA1 && second <= 0xFE ? static_cast<unsigned char>(second - 0x80) : 0;
    }
    if (lead == 0xA1) {
        switch (second) {
            case 0xA1:
                return ' ';
            case 0xAB:
                return '~';
            case 0xEE:
            case 0xEF:
                return '*';
            default:
                return 0;
        }
    }
    return 0;
}

}  // namespace text
