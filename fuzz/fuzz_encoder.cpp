// The fused encoder, and the lookup by character, on arbitrary bytes. Input: a field for the
// separator, then the text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "fuzz/check.h"
#include "fuzz/fuzz_input.h"
#include "morse/code_table.h"
#include "morse/encoder.h"
#include "tests/morse/literal_translations.h"
#include "text/byte_text.h"

namespace {

// Whether `output` is a run of units, each the code of a table row followed by the separator.
// Codes are prefixes of one another and the separator may hold dots and dashes, so every way of
// reading the output is followed, not just the first.
bool isRunOfCodeUnits(std::string_view output, std::string_view separator) {
    std::vector<bool> unitStartsAt(output.size() + 1);
    unitStartsAt[0] = true;
    for (std::size_t start = 0; start < output.size(); ++start) {
        if (!unitStartsAt[start]) {
            continue;
        }
        const std::string_view rest = output.substr(start);
        for (const morse::CodeEntry& row : morse::codeTable) {
            if (rest.starts_with(row.code) && rest.substr(row.code.size()).starts_with(separator)) {
                unitStartsAt[start + row.code.size() + separator.size()] = true;
            }
        }
    }
    return unitStartsAt[output.size()];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const text::ByteText separator(input.field());
    const text::ByteText plain(input.rest());

    const text::ByteText encoded = morse::encodeToMorse(plain, separator);
    fuzz::checkValid(encoded, "encodeToMorse");

    const text::ByteText literal = morse::literal::encodeToMorse(plain, separator);
    fuzz::checkShowing(encoded == literal,
                       "encodeToMorse gives what the step-by-step encoder gives (input, "
                       "separator, step by step, fused)",
                       plain, separator, literal, encoded);

    fuzz::checkShowing(isRunOfCodeUnits(encoded.bytes(), separator.bytes()),
                       "every byte of the encoder's output belongs to a code or a separator", plain,
                       separator, encoded);

    const std::optional<std::string_view> code = morse::codeForCharacter(plain);
    const auto row = std::find_if(
        morse::codeTable.begin(), morse::codeTable.end(),
        [&](const morse::CodeEntry& entry) { return entry.character == plain.bytes(); });
    fuzz::checkShowing(row == morse::codeTable.end() ? !code : code == row->code,
                       "codeForCharacter finds exactly the row whose character is the text", plain);
    return 0;
}
