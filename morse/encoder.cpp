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

// halfWidthOf as tables: the few lead bytes that begin a full-width form each have a row of
// what their pairs narrow to; every other lead byte shares the row of zeros.
struct NarrowingTable {
    std::array<unsigned char, 256> rowOfLead{};
    std::array<std::array<unsigned char, 256>, 4> rows{};
};

inline constexpr NarrowingTable narrowing = [] {
    NarrowingTable table;
    unsigned char used = 1;
    for (unsigned lead = 0x80; lead < 0x100; ++lead) {
        for (unsigned second = 0; second < 0x100; ++second) {
            const unsigned char narrow = text::halfWidthOf(static_cast<unsigned char>(lead),
                                                           static_cast<unsigned char>(second));
            if (narrow == 0) {
                continue;
            }
            if (table.rowOfLead[lead] == 0) {
                table.rowOfLead[lead] = used++;  // a fifth row would not fit: no constant then
            }
            table.rows[table.rowOfLead[lead]][second] = narrow;
        }
    }
    return table;
}();

// Calls `visit` with each character of the input as narrowing leaves it, in order: a one-byte
// character as it stands, a full-width form as the byte it narrows to, and 0, which no row of
// the code table has, for every other two-byte character (its second byte is no character of
// its own). A lone lead byte at the end is dropped as narrowing drops it. The step of one or two
// bytes is computed rather than branched on, since Chinese text mixes both at random.
template <class Visit>
void forEachNarrowedCharacter(std::string_view input, Visit&& visit) {
    const auto byteAt = [&](std::size_t index) { return static_cast<unsigned char>(input[index]); };
    std::size_t i = 0;
    while (i + 1 < input.size()) {
        const unsigned char byte = byteAt(i);
        const bool lead = text::isLeadByte(byte);
        visit(lead ? narrowing.rows[narrowing.rowOfLead[byte]][byteAt(i + 1)] : byte);
        i += lead ? 2 : 1;
    }
    if (i < input.size() && !text::isLeadByte(byteAt(i))) {
        visit(byteAt(i));
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
