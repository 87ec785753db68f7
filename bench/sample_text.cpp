#include "bench/sample_text.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <random>
#include <string_view>

#include "morse/code_table.h"

namespace bench {
namespace {

// Writes pieces one after another into `out` until `length` bytes are written.
template <class NextPiece>
void fill(char* out, std::size_t length, NextPiece nextPiece) {
    std::size_t written = 0;
    while (written < length) {
        const std::string_view piece = nextPiece();
        const std::size_t count = std::min(piece.size(), length - written);
        std::memcpy(out + written, piece.data(), count);
        written += count;
    }
}

}  // namespace

text::ByteText mixedText(std::size_t length) {
    static constexpr std::array<std::string_view, 16> words{
        "the",
        "Quick",
        "brown",
        "fox",
        "jumps",
        "over",
        "2024",
        "lazy",
        "dog.",
        "SOS",
        "\xD6\xD0\xCE\xC4" /* 中文 */,
        "\xA3\xC1\xA3\xC2" /* ＡＢ */,
        "(ok)",
        "e-mail@host",
        "\"quote\"",
        "\xC4\xFA\xBA\xC3\xA3\xAC" /* 您好， */};
    static constexpr std::array<std::string_view, 4> gaps{" ", " ", ", ", "\r\n"};
    std::mt19937 random(20261211);
    bool word = false;
    return text::ByteText::build(length, [&](char* out) {
        fill(out, length, [&] {
            word = !word;
            return word ? words[random() % words.size()] : gaps[random() % gaps.size()];
        });
    });
}

text::ByteText morseText(std::size_t length) {
    std::mt19937 random(20261211);
    bool code = false;
    return text::ByteText::build(length, [&](char* out) {
        fill(out, length, [&] {
            code = !code;
            return code ? morse::codeTable[random() % morse::codeTable.size()].code
                        : std::string_view("/");
        });
    });
}

}  // namespace bench
