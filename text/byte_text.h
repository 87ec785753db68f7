#pragma once

// ByteText, the text value of the whole program, and the operations that the translations are
// built from. Every text holds code page 936 bytes and never a 00 byte; there is no null text,
// only the empty one. Positions are 1-based byte positions and, like lengths, 32-bit signed.
// The operations that step by character follow text/character_rule.h.

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string_view>
#include <utility>
#include <vector>

#include "text/text_memory.h"

namespace text {

class ByteText {
public:
    ByteText() noexcept = default;

    // The given bytes less any 00 byte: a text cannot hold one, and leaving out only the 00
    // bytes keeps everything else of the input.
    explicit ByteText(std::string_view bytes);

    // A text of exactly `length` bytes (at most maxTextLength) that `write(char* out)` fills in
    // place, for results whose size is known before they are written. The writer must write
    // every byte and no 00 byte.
    template <class Writer>
    [[nodiscard]] static ByteText build(std::size_t length, Writer&& write) {
        ByteText result;
        if (length > 0) {
            result.bytes_ = allocateTextBytes(length);
            result.length_ = length;
            std::forward<Writer>(write)(result.bytes_.get());
        }
        return result;
    }

    ByteText(const ByteText& other);
    ByteText& operator=(const ByteText& other);
    ByteText(ByteText&& other) noexcept
        : bytes_(std::move(other.bytes_)), length_(std::exchange(other.length_, 0)) {}
    ByteText& operator=(ByteText&& other) noexcept {
        bytes_ = std::move(other.bytes_);
        length_ = std::exchange(other.length_, 0);
        return *this;
    }
    ~ByteText() = default;

    [[nodiscard]] std::string_view bytes() const noexcept { return {bytes_.get(), length_}; }
    [[nodiscard]] std::size_t size() const noexcept { return length_; }
    [[nodiscard]] bool empty() const noexcept { return length_ == 0; }

    friend bool operator==(const ByteText& first, const ByteText& second) noexcept {
        return first.bytes() == second.bytes();
    }

private:
    std::unique_ptr<char[]> bytes_;
    std::size_t length_ = 0;
};

// Shows the bytes in hex, so that a failing test names every byte of a code page 936 text.
std::ostream& operator<<(std::ostream& out, const ByteText& text);

// An ordered list of texts at positions 1 to elementCount; elements may be empty.
class TextArray {
public:
    using Elements = std::vector<ByteText, TextAllocator<ByteText>>;

    TextArray() = default;
    explicit TextArray(Elements elements) noexcept : elements_(std::move(elements)) {}

    [[nodiscard]] const Elements& elements() const noexcept { return elements_; }

private:
    Elements elements_;
};

// The number of bytes; 0 for the empty text.
[[nodiscard]] std::int32_t textLength(const ByteText& text) noexcept;

// `count` bytes from byte `position` on, fewer where the text ends first. Empty when position is
// below 1 or beyond the end, or count is below 1. Blind to characters: a piece may start or end
// inside a two-byte character.
[[nodiscard]] ByteText textMid(const ByteText& text, std::int32_t position, std::int32_t count);

// One-byte a to z become A to Z; two-byte characters stay whole (D6 61 keeps its 61), a lone
// lead byte stays, and the length never changes.
[[nodiscard]] ByteText toUpperCase(const ByteText& text);

// Full-width forms narrowed to one byte as halfWidthOf says; other pairs are copied. A lone
// lead byte at the end is dropped, so the result is never longer than the text.
[[nodiscard]] ByteText toHalfWidth(const ByteText& text);

// Every occurrence of `subtext` that starts at a character boundary, left to right and without
// overlap, replaced; the replacement is not scanned again. An empty text or subtext gives the
// text back. A one-byte subtext drops a lone lead byte at the end ("aaa" by "aa" gives "-a"
// with "-"; 2E 2D 80 by "*" gives 2E 2D); a longer one keeps it.
[[nodiscard]] ByteText replaceAll(const ByteText& text, const ByteText& subtext,
                                  const ByteText& replacement);

// The pieces between separators found at character boundaries. The empty text gives no
// elements, an empty separator one element (the whole text). Empty pieces before, between and
// at the start count; an empty piece after a final separator does not ("a/" gives "a", "/"
// gives one empty element). A lone lead byte at the end stays in the last element.
[[nodiscard]] TextArray splitText(const ByteText& text, const ByteText& separator);

// -1, 0 or +1 by unsigned bytes; a text that is a prefix of the other is the smaller.
[[nodiscard]] int compareText(const ByteText& first, const ByteText& second) noexcept;

namespace detail {
[[nodiscard]] ByteText concatBytes(std::initializer_list<std::string_view> parts);
}

// The texts one after another, in the order given; empty texts add nothing.
template <std::same_as<ByteText>... Rest>
[[nodiscard]] ByteText concatText(const ByteText& first, const Rest&... rest) {
    return detail::concatBytes({first.bytes(), rest.bytes()...});
}

// The number of elements.
[[nodiscard]] std::int32_t elementCount(const TextArray& array) noexcept;

// The element at `position`, 1 to elementCount; any other position is the caller's fault.
[[nodiscard]] const ByteText& elementAt(const TextArray& array, std::int32_t position);

}  // namespace text
