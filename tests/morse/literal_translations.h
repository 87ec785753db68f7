#pragma once

// Both translations written as the plain composition of the text operations and the table
// lookups, one new text per step. Far too slow for the program, but simple enough to check by
// eye, so that the fast translations can be compared with it on any input.

#include "text/byte_text.h"

namespace morse::literal {

// Narrows the input, then steps through it by character; each one-byte character is cut out,
// upper-cased and looked up, and its code and the separator are appended. Two-byte characters
// yield nothing.
[[nodiscard]] text::ByteText encodeToMorse(const text::ByteText& input,
                                           const text::ByteText& separator);

// Rewrites the mark variants one row after another, splits at the separator and appends the
// character of each piece that is a code.
[[nodiscard]] text::ByteText decodeFromMorse(const text::ByteText& input,
                                             const text::ByteText& separator);

}  // namespace morse::literal
