#include "tests/morse/literal_translations.h"

#include <cstdint>
#include <optional>
#include <string_view>

#include "morse/code_table.h"
#include "morse/mark_variants.h"
#include "text/character_rule.h"

namespace morse::literal {

using text::ByteText;

ByteText encodeToMorse(const ByteText& input, const ByteText& separator) {
    const ByteText narrowed = toHalfWidth(input);
    const std::int32_t length = textLength(narrowed);
    ByteText output;
    std::int32_t position = 1;
    while (position <= length) {
        const ByteText piece = textMid(narrowed, position, 1);
        if (text::isLeadByte(static_cast<unsigned char>(piece.bytes()[0]))) {
            position += 2;  // a two-byte character is never looked up, neither half of it
            continue;
        }
        const std::optional<std::string_view> code = codeForCharacter(toUpperCase(piece));
        if (code) {
            output = concatText(output, concatText(ByteText(*code), separator));
        }
        position += 1;
    }
    return output;
}

ByteText decodeFromMorse(const ByteText& input, const ByteText& separator) {
    ByteText normalised = input;
    for (const MarkVariant& row : markVariants) {
        normalised = replaceAll(normalised, ByteText(row.variant), ByteText(row.replacement));
    }
    const text::TextArray pieces = splitText(normalised, separator);
    const std::int32_t count = elementCount(pieces);
    ByteText output;
    for (std::int32_t position = 1; position <= count; ++position) {
        const std::optional<std::string_view> character =
            characterForCode(elementAt(pieces, position));
        if (character) {
            output = concatText(output, ByteText(*character));
        }
    }
    return output;
}

}  // namespace morse::literal
