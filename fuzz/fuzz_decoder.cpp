// The fused decoder, and the lookup by code, on arbitrary bytes. Input: a field for the
// separator, then the Morse text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "fuzz/check.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/plain_rules.h"
#include "morse/code_table.h"
#include "morse/decoder.h"
#include "tests/morse/literal_translations.h"
#include "text/byte_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const text::ByteText separator(input.field());
    const text::ByteText morseText(input.rest());

    const text::ByteText decoded = morse::decodeFromMorse(morseText, separator);
    fuzz::checkValid(decoded, "decodeFromMorse");

    const text::ByteText literal = morse::literal::decodeFromMorse(morseText, separator);
    fuzz::checkShowing(decoded == literal,
                       "decodeFromMorse gives what the step-by-step decoder gives (input, "
                       "separator, step by step, fused)",
                       morseText, separator, literal, decoded);

    const std::string_view characters = decoded.bytes();
    fuzz::checkShowing(std::all_of(characters.begin(), characters.end(), fuzz::plain::inCodeTable),
                       "the decoder writes only characters of the code table", morseText, separator,
                       decoded);
    // Each character needs a piece of at least one byte, and rewriting marks only shortens.
    fuzz::checkShowing(decoded.size() <= morseText.size(),
                       "the decoder writes at most one character per input byte", morseText,
                       separator, decoded);

    const std::optional<std::string_view> character = morse::characterForCode(morseText);
    const auto row = std::find_if(
        morse::codeTable.begin(), morse::codeTable.end(),
        [&](const morse::CodeEntry& entry) { return entry.code == morseText.bytes(); });
    fuzz::checkShowing(row == morse::codeTable.end() ? !character : character == row->character,
                       "characterForCode finds exactly the row whose code is the text", morseText);
    return 0;
}
