#include "morse/encoder.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "morse/code_index.h"
#include "text/character_rule.h"
#include "text/text_builder.h"

namespace morse {
namespace {

// Calls `visit` with each one-byte character of the input as narrowing leaves it, in order: a
// one-byte character as it stands, a full-width form as the byte it narrows to. Every other
// two-byte character is passed over (none of them is in the code table, and its second byte is
// no character of its own), and a lone lead byte at the end is dropped as narrowing drops it.
template <class Visit>
void forEachNarrowedCharacter(std::string_view input, Visit&& visit) {
    std::size_t i = 0;
    while (i < input.size()) {
        const auto byte = static_cast<unsigned char>(input[i]);
        if (!text::isLeadByte(byte)) {
            visit(byte);
            ++i;
        } else if (i + 1 == input.size()) {
            return;
        } else {
            if (const unsigned char narrow =
                    text::halfWidthOf(byte, static_cast<unsigned char>(input[i + 1]));
                narrow != 0) {
                visit(narrow);
            }
            i += 2;
        }
    }
}

// What each one-byte character becomes in the output, for one separator: its code followed by
// the separator, or nothing. Where both fit in a slot of 16 bytes they stand there side by side,
// so that one fixed-size copy writes them; a longer separator is copied on its own.
class CodeWriter {
public:
    explicit CodeWriter(std::string_view separator) noexcept : separator_(separator) {
        for (unsigned byte = 0; byte < 0x80; ++byte) {
            const std::string_view code =
                detail::codeOfByte[text::upperCaseOf(static_cast<unsigned char>(byte))];
            if (code.empty()) {
                continue;
            }
            codes_[byte] = code;
            lengths_[byte] = code.size() + separator.size();
            if (slotsUsable()) {
                text::ByteWriter slot(slots_[byte].data());
                slot.put(code);
                slot.put(separator);
            }
        }
    }

    // How many bytes the character adds to the output.
    [[nodiscard]] std::size_t lengthOf(unsigned char character) const noexcept {
        return lengths_[character];
    }

    // Writes what the character becomes at `out`, which has room for it up to `end`.
    [[nodiscard]] char* write(unsigned char character, char* out, const char* end) const noexcept {
        const std::size_t length = lengths_[character];
        if (slotsUsable() && static_cast<std::size_t>(end - out) >= slotSize) {
            std::memcpy(out, slots_[character].data(),
                        slotSize);  // the spare bytes are overwritten next
        } else if (length != 0) {
            text::ByteWriter exact(out);
            exact.put(codes_[character]);
            exact.put(separator_);
        }
        return out + length;
    }

private:
    static constexpr std::size_t slotSize = 16;

    [[nodiscard]] bool slotsUsable() const noexcept {
        return detail::longestCode + separator_.size() <= slotSize;
    }

    std::string_view separator_;
    std::array<std::string_view, 0x80> codes_{};
    std::array<std::size_t, 0x80> lengths_{};
    std::array<std::array<char, slotSize>, 0x80> slots_{};
};

}  // namespace

// One pass over the input does what narrowing, upper-casing and looking up each character would
// do in turn. It runs twice: once to size the result, once to write it.
text::ByteText encodeToMorse(const text::ByteText& input, const text::ByteText& separator) {
    const std::string_view bytes = input.bytes();
    const CodeWriter writer(separator.bytes());
    std::uint64_t length = 0;
    forEachNarrowedCharacter(
        bytes, [&](unsigned char character) { length += writer.lengthOf(character); });
    if (length > text::maxTextLength) {
        text::reportTextAllocationFailure(
            static_cast<std::size_t>(length < SIZE_MAX ? length : SIZE_MAX));
    }
    return text::ByteText::build(static_cast<std::size_t>(length), [&](char* out) {
        const char* const end = out + length;
        forEachNarrowedCharacter(
            bytes, [&](unsigned char character) { out = writer.write(character, out, end); });
    });
}

}  // namespace morse
