#pragma once

// The only conversion between the toolkit's UTF-16 text and code page 936. It does not depend on
// the system's ANSI code page. Two departures from Windows' own code page 936 keep the program's
// character rule (every byte of 0x80 or above starts a two-byte character) true:
//  - the euro sign, which Windows writes as the single byte 80, is read as A2 E3 (its GB18030
//    form) and A2 E3 is written back as the euro sign;
//  - a character without a two-byte form of its own is read as unrepresentablePlaceholder: an
//    emoji, an unpaired surrogate, the private-use character that Windows writes as the single
//    byte FF, and the one that Windows keeps at A2 E3.

#include <string>
#include <string_view>

#include "text/byte_text.h"

namespace toolkit::win32 {

// 〓 (A1 FE), the geta mark that typesetting puts where a character is missing. No code, mark
// variant or full-width narrowing knows it, so it never matches anything in a translation; a
// question mark would, as it has a code of its own.
inline constexpr std::string_view unrepresentablePlaceholder = "\xA1\xFE";

// ASCII stays as it is, every other character becomes its two-byte form or the placeholder, one
// placeholder for a surrogate pair. The empty text for the empty string.
[[nodiscard]] text::ByteText codePage936FromWide(std::wstring_view wide);

// Every byte below 80 as it is, every pair that is a code page 936 character as that character,
// A2 E3 as the euro sign. A pair that is no character, and a lone lead byte at the end, become
// U+FFFD: neither comes out of codePage936FromWide.
[[nodiscard]] std::wstring wideFromCodePage936(std::string_view bytes);

}  // namespace toolkit::win32
