#pragma once

// The byte rules of the text operations and of the encoder's choice of characters, written again
// as plainly as possible on std::string, apart from the library, so that the fuzz targets can
// hold the library's results against them. Character rule: a byte of 0x80 or above leads a
// two-byte character whatever follows it; a lead byte at the very end stands alone.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "morse/code_table.h"

namespace fuzz::plain {

[[nodiscard]] inline bool leads(char byte) noexcept {
    return static_cast<unsigned char>(byte) >= 0x80;
}

[[nodiscard]] inline std::string withoutZeroBytes(std::string_view bytes) {
    std::string kept(bytes);
    std::erase(kept, '\0');
    return kept;
}

// 64-bit arithmetic, so that no position or count near the 32-bit limits can overflow here.
[[nodiscard]] inline std::string mid(std::string_view bytes, std::int32_t position,
                                     std::int32_t count) {
    const auto length = static_cast<std::int64_t>(bytes.size());
    if (position < 1 || position > length || count < 1) {
        return {};
    }
    const std::int64_t taken = std::min<std::int64_t>(count, length - position + 1);
    return std::string(
        bytes.substr(static_cast<std::size_t>(position - 1), static_cast<std::size_t>(taken)));
}

[[nodiscard]] inline std::string upperCased(std::string_view bytes) {
    std::string result(bytes);
    for (std::size_t i = 0; i < result.size(); i += leads(result[i]) ? 2 : 1) {
        if (result[i] >= 'a' && result[i] <= 'z') {
            result[i] = static_cast<char>(result[i] - 'a' + 'A');
        }
    }
    return result;
}

// The one byte a full-width pair narrows to, or 00 where it stays a pair.
[[nodiscard]] inline char narrowPair(unsigned char lead, unsigned char second) noexcept {
    if (lead == 0xA3 && second >= 0xA1 && second <= 0xFE) {
        return static_cast<char>(second - 0x80);
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
                break;
        }
    }
    return '\0';
}

[[nodiscard]] inline std::string narrowed(std::string_view bytes) {
    std::string result;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (!leads(bytes[i])) {
            result += bytes[i];
        } else if (i + 1 < bytes.size()) {
            const char narrow = narrowPair(static_cast<unsigned char>(bytes[i]),
                                           static_cast<unsigned char>(bytes[i + 1]));
            if (narrow != '\0') {
                result += narrow;
            } else {
                result += bytes.substr(i, 2);
            }
            ++i;
        }
    }
    return result;
}

[[nodiscard]] inline std::string replacedAll(std::string_view bytes, std::string_view subtext,
                                             std::string_view replacement) {
    if (bytes.empty() || subtext.empty()) {
        return std::string(bytes);
    }
    std::string result;
    std::size_t i = 0;
    for (; bytes.size() - i >= subtext.size();) {
        if (bytes.substr(i, subtext.size()) == subtext) {
            result += replacement;
            i += subtext.size();
        } else if (leads(bytes[i]) && i + 1 == bytes.size()) {
            return result;
        } else {
            const std::size_t characterLength = leads(bytes[i]) ? 2 : 1;
            result += bytes.substr(i, characterLength);
            i += characterLength;
        }
    }
    result += bytes.substr(i);
    return result;
}

[[nodiscard]] inline std::vector<std::string> splitAt(std::string_view bytes,
                                                      std::string_view separator) {
    if (bytes.empty()) {
        return {};
    }
    if (separator.empty()) {
        return {std::string(bytes)};
    }
    std::vector<std::string> pieces;
    std::size_t start = 0;
    std::size_t i = 0;
    while (bytes.size() - i >= separator.size()) {
        if (bytes.substr(i, separator.size()) == separator) {
            pieces.emplace_back(bytes.substr(start, i - start));
            i += separator.size();
            start = i;
        } else if (leads(bytes[i]) && i + 1 == bytes.size()) {
            break;
        } else {
            i += leads(bytes[i]) ? 2 : 1;
        }
    }
    if (start < bytes.size()) {
        pieces.emplace_back(bytes.substr(start));
    }
    return pieces;
}

[[nodiscard]] inline int compared(std::string_view first, std::string_view second) noexcept {
    const auto unsignedLess = [](char a, char b) {
        return static_cast<unsigned char>(a) < static_cast<unsigned char>(b);
    };
    if (std::lexicographical_compare(first.begin(), first.end(), second.begin(), second.end(),
                                     unsignedLess)) {
        return -1;
    }
    return first == second ? 0 : 1;
}

[[nodiscard]] inline bool inCodeTable(char character) noexcept {
    return std::any_of(morse::codeTable.begin(), morse::codeTable.end(),
                       [&](const morse::CodeEntry& row) {
                           return row.character == std::string_view(&character, 1);
                       });
}

// The characters that the encoder gives codes for, in order: the one-byte characters of the
// narrowed text, upper-cased, that the table holds. Two-byte characters give nothing.
[[nodiscard]] inline std::string tableCharactersOf(std::string_view bytes) {
    const std::string narrow = narrowed(bytes);
    std::string characters;
    for (std::size_t i = 0; i < narrow.size(); i += leads(narrow[i]) ? 2 : 1) {
        if (leads(narrow[i])) {
            continue;
        }
        const char upper = upperCased(std::string_view(&narrow[i], 1))[0];
        if (inCodeTable(upper)) {
            characters += upper;
        }
    }
    return characters;
}

}  // namespace fuzz::plain
