#pragma once

// Plain text to Morse code: a pure function of the input and the separator, which is used
// exactly as given. Whatever the code table does not know is skipped without a trace.

#include "text/byte_text.h"

namespace morse {

// Narrows full-width forms, then steps through the text by character: each one-byte character
// is upper-cased, and if the code table has it, its code and then the separator are written.
// Two-byte characters never yield a code (the second byte of 說 is not an F). A non-empty
// result ends with the separator.
[[nodiscard]] text::ByteText encodeToMorse(const text::ByteText& input,
                                           const text::ByteText& separator);

}  // namespace morse
