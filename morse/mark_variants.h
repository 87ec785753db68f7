#pragma once

// Look-alike dashes and dots that people type or paste for Morse code, and the ASCII mark each
// stands for. The decoder rewrites them, in this order, before it reads any code. Each variant
// is one whole character and each replacement one ASCII byte, so no rewrite creates or removes
// another row's variant and the order does not change the result.

#include <array>
#include <string_view>

namespace morse {

struct MarkVariant {
    std::string_view variant;      // one character in code page 936
    std::string_view replacement;  // "-" or "."
};

// clang-format off
inline constexpr std::array<MarkVariant, 8> markVariants{{
    {"\xA9\xA5", "-"},  // ━ heavy horizontal line
    {"\xA1\xAA", "-"},  // — em dash
    {"\xA3\xAD", "-"},  // － full-width hyphen-minus
    {"\xA1\xA3", "."},  // 。 ideographic full stop
    {"\xA1\xA4", "."},  // · middle dot
    {"\xA3\xAE", "."},  // ． full-width full stop
    {"*",        "."},  // * asterisk
    {"\xA1\xF1", "."},  // ● black circle
}};
// clang-format on

}  // namespace morse
