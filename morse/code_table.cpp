#include "morse/code_table.h"

#include "morse/code_index.h"

namespace morse {

std::optional<std::string_view> codeForCharacter(const text::ByteText& character) {
    if (character.size() != 1) {
        return std::nullopt;
    }
    const std::string_view code =
        detail::codeOfByte[static_cast<unsigned char>(character.bytes()[0])];
    if (code.empty()) {
        return std::nullopt;
    }
    return code;
}

std::optional<std::string_view> characterForCode(const text::ByteText& code) {
    const unsigned key = detail::codeKey(code.bytes());
    if (detail::characterOfKey[key] == 0) {
        return std::nullopt;
    }
    return std::string_view(&detail::characterOfKey[key], 1);
}

}  // namespace morse
