#pragma once

// The inputs that the speed and memory measurements translate, the same on every run.

#include <cstddef>

#include "text/byte_text.h"

namespace bench {

// Text as people paste it: mostly English words with digits and punctuation, line breaks, and
// now and then Chinese characters and full-width forms (code page 936). Exactly `length` bytes,
// written straight into the text so that making it needs no second copy.
[[nodiscard]] text::ByteText mixedText(std::size_t length);

// Morse code as the decoder expects it: codes of the table, each followed by "/". Exactly
// `length` bytes, so the last code may be cut short.
[[nodiscard]] text::ByteText morseText(std::size_t length);

}  // namespace bench
