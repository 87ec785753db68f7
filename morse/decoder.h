#pragma once

// Morse code to plain text: a pure function of the input and the separator, which is used
// exactly as given. Pieces that are not codes of the table are skipped without a trace.

#include "text/byte_text.h"

namespace morse {

// Rewrites the look-alike marks into "-" and ".", cuts the result at every separator found at a
// character boundary, and writes the character of each piece that is exactly a code. The
// separator is not rewritten, so one that holds a look-alike mark never matches; spaces or line
// breaks beside a code spoil it; an empty separator leaves the whole input as one piece.
[[nodiscard]] text::ByteText decodeFromMorse(const text::ByteText& input,
                                             const text::ByteText& separator);

}  // namespace morse
