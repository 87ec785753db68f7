#include "morse/decoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>

#include "morse/code_index.h"
#include "text/character_rule.h"
#include "text/text_builder.h"

namespace morse {
namespace {

// Reads the input as the mark rewriting leaves it, without building that text: a look-alike
// mark reads as its one ASCII byte, every other character as its own bytes, and a lone lead
// byte at the end is gone (the rewriting of the one-byte asterisk drops it). The cutting that
// follows works on these bytes with character boundaries of its own, which after a separator
// may fall on the second byte of a pair, so the reader goes byte by byte.
class RewrittenMarks {
public:
    explicit RewrittenMarks(std::string_view input) noexcept : input_(input) {}

    [[nodiscard]] bool atEnd() const noexcept {
        return next_ == input_.size() ||
               (!inPair_ && next_ + 1 == input_.size() && text::isLeadByte(byteAt(next_)));
    }

    [[nodiscard]] char current() const noexcept {
        const unsigned char byte = byteAt(next_);
        if (inPair_) {
            return static_cast<char>(byte);
        }
        if (!text::isLeadByte(byte)) {
            return detail::markOfByte(static_cast<char>(byte));
        }
        const char mark = detail::markOfPair(byte, byteAt(next_ + 1));
        return mark != 0 ? mark : static_cast<char>(byte);
    }

    void advance() noexcept {
        const unsigned char byte = byteAt(next_);
        if (inPair_ || !text::isLeadByte(byte)) {
            inPair_ = false;
            ++next_;
        } else if (detail::markOfPair(byte, byteAt(next_ + 1)) != 0) {
            next_ += 2;
        } else {
            inPair_ = true;
            ++next_;
        }
    }

private:
    [[nodiscard]] unsigned char byteAt(std::size_t index) const noexcept {
        return static_cast<unsigned char>(input_[index]);
    }

    std::string_view input_;
    std::size_t next_ = 0;
    bool inPair_ = false;  // next_ is the second byte of a pair that stays as it is
};

// The input as it stands, for the common case of an input without look-alike marks or lead
// bytes, where the rewriting changes nothing.
class PlainBytes {
public:
    explicit PlainBytes(std::string_view input) noexcept : input_(input) {}
    [[nodiscard]] bool atEnd() const noexcept { return next_ == input_.size(); }
    [[nodiscard]] char current() const noexcept { return input_[next_]; }
    void advance() noexcept { ++next_; }

private:
    std::string_view input_;
    std::size_t next_ = 0;
};

// Whether `separator` (not empty) stands at the reader's position; if so, moves past it.
template <class Reader>
[[nodiscard]] bool skipSeparator(Reader& reader, std::string_view separator) noexcept {
    if (reader.current() != separator[0]) {
        return false;
    }
    Reader ahead = reader;
    for (const char expected : separator) {
        if (ahead.atEnd() || ahead.current() != expected) {
            return false;
        }
        ahead.advance();
    }
    reader = ahead;
    return true;
}

// What one byte adds to the key of its piece: bit 0 is the mark (0 dot, 1 dash), bit 1 says
// that the byte is no mark at all.
inline constexpr std::array<unsigned char, 256> markBitsOf = [] {
    std::array<unsigned char, 256> bits{};
    bits.fill(2);
    bits['.'] = 0;
    bits['-'] = 1;
    return bits;
}();

// Builds one piece's code key byte by byte as it is read, so that no piece is ever copied. The
// key and the checks are plain arithmetic rather than a table walk, so that each byte does not
// wait for the lookup of the one before it.
class PieceKey {
public:
    void add(char byte) noexcept {
        const unsigned bits = markBitsOf[static_cast<unsigned char>(byte)];
        key_ = key_ * 2 + (bits & 1U);
        notCode_ |= bits >> 1U;
        ++length_;
    }
    // The character of the piece read so far, or 0; then starts the next piece.
    [[nodiscard]] char take() noexcept {
        const bool code = notCode_ == 0 && length_ <= detail::longestCode;
        const char character = detail::characterOfKey[code ? key_ : 0];
        *this = PieceKey();
        return character;
    }

private:
    unsigned key_ = 1;  // a marker bit above the marks; wraps harmlessly past seven of them
    unsigned notCode_ = 0;
    std::size_t length_ = 0;
};

// A piece that is no code gives 0, which a text never holds: nothing is written for it.
template <class Sink>
void putCharacter(char character, Sink& sink) {
    if (character != 0) {
        sink.put(character);
    }
}

// Eight bytes as one number, the first byte lowest, whatever the machine's byte order.
[[nodiscard]] std::uint64_t loadWord(const char* bytes) noexcept {
    std::uint64_t word = 0;
    for (unsigned i = 0; i < 8; ++i) {
        word |= std::uint64_t{static_cast<unsigned char>(bytes[i])} << (8 * i);
    }
    return word;
}

inline constexpr std::uint64_t lowBits = 0x0101010101010101U;
inline constexpr std::uint64_t highBits = 0x8080808080808080U;

[[nodiscard]] constexpr std::uint64_t wordOf(char byte) noexcept {
    return lowBits * static_cast<unsigned char>(byte);
}

// The high bit of the lowest zero byte of `word` is set, and no bit below it; bytes above it
// may be flagged wrongly, which does not matter to a caller that only wants the first one.
[[nodiscard]] constexpr std::uint64_t zeroBytesOf(std::uint64_t word) noexcept {
    return (word - lowBits) & ~word & highBits;
}

// The lowest bit of each of the first `length` bytes, packed into one byte: for dots (2E) and
// dashes (2D) exactly the dash bits.
[[nodiscard]] constexpr unsigned dashBitsOf(std::uint64_t word, unsigned length) noexcept {
    const std::uint64_t firstBytes = length == 0 ? 0 : ~std::uint64_t{0} >> (64 - 8 * length);
    return static_cast<unsigned>(((word & lowBits & firstBytes) * 0x0102040810204080U) >> 56);
}

// The character of each code by its length and dash bits; 0 where none.
inline constexpr auto characterOfDashBits = [] {
    std::array<std::array<char, 256>, detail::longestCode + 1> characters{};
    for (const CodeEntry& entry : codeTable) {
        std::uint64_t word = 0;
        for (std::size_t i = 0; i < entry.code.size(); ++i) {
            word |= std::uint64_t{static_cast<unsigned char>(entry.code[i])} << (8 * i);
        }
        const auto length = static_cast<unsigned>(entry.code.size());
        characters[length][dashBitsOf(word, length)] = entry.character[0];
    }
    return characters;
}();

// The character of the code in the first `length` (below 8) bytes of `word`, or 0.
[[nodiscard]] constexpr char characterOfWord(std::uint64_t word, unsigned length) noexcept {
    const std::uint64_t firstBytes = length == 0 ? 0 : ~std::uint64_t{0} >> (64 - 8 * length);
    // Against 2C a dash (2D) leaves 01 and a dot (2E) 10: nothing above the two low bits, and
    // those two bits unequal.
    const std::uint64_t marks = (word ^ wordOf(',')) & firstBytes;
    const bool marksOnly =
        (marks & ~wordOf(3)) == 0 && ((marks ^ (marks >> 1)) & lowBits) == (lowBits & firstBytes);
    return marksOnly ? characterOfDashBits[length][dashBitsOf(word, length)] : 0;
}

template <class Reader, class Sink>
void decodePieces(Reader reader, std::string_view separator, Sink& sink) {
    PieceKey piece;
    while (!reader.atEnd()) {
        if (!separator.empty() && skipSeparator(reader, separator)) {
            putCharacter(piece.take(), sink);
            continue;
        }
        const char byte = reader.current();
        piece.add(byte);
        reader.advance();
        // A lead byte takes the next byte into the piece unseen, so no separator starts there.
        if (text::isLeadByte(static_cast<unsigned char>(byte)) && !reader.atEnd()) {
            piece.add(reader.current());
            reader.advance();
        }
    }
    putCharacter(piece.take(), sink);
}

// The common case, plain input cut at a one-byte separator, a piece at a time: eight bytes
// read as one word tell where the next separator is and whether the bytes before it are a
// code, with no branch per byte. A piece of eight bytes or more is no code and is skipped.
template <class Sink>
void decodeAtByte(std::string_view input, char separator, Sink& sink) {
    const char* next = input.data();
    const char* const end = next + input.size();
    const std::uint64_t cuts = wordOf(separator);
    while (end - next >= 8) {
        const std::uint64_t word = loadWord(next);
        const std::uint64_t cutBytes = zeroBytesOf(word ^ cuts);
        if (cutBytes == 0) {
            next = static_cast<const char*>(
                std::memchr(next + 8, separator, static_cast<std::size_t>(end - next - 8)));
            if (next == nullptr) {
                return;
            }
            ++next;
            continue;
        }
        const auto length = static_cast<unsigned>(std::countr_zero(cutBytes)) / 8;
        putCharacter(characterOfWord(word, length), sink);
        next += length + 1;
    }
    PieceKey piece;
    for (; next != end; ++next) {
        if (*next == separator) {
            putCharacter(piece.take(), sink);
        } else {
            piece.add(*next);
        }
    }
    putCharacter(piece.take(), sink);
}

// Whether the rewriting of look-alike marks could change anything: only a lead byte or the
// one-byte variant can. Written without an early exit so that the compiler can vectorise it.
[[nodiscard]] bool holdsMarkVariant(std::string_view bytes) noexcept {
    unsigned char found = 0;
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        found |= static_cast<unsigned char>(value >= 0x80 || byte == detail::oneByteVariant);
    }
    return found != 0;
}

}  // namespace

text::ByteText decodeFromMorse(const text::ByteText& input, const text::ByteText& separator) {
    const std::string_view bytes = input.bytes();
    const bool plain = !holdsMarkVariant(bytes);
    return text::produceText([&](auto& sink) {
        if (plain && separator.size() == 1) {
            decodeAtByte(bytes, separator.bytes()[0], sink);
        } else if (plain) {
            decodePieces(PlainBytes(bytes), separator.bytes(), sink);
        } else {
            decodePieces(RewrittenMarks(bytes), separator.bytes(), sink);
        }
    });
}

}  // namespace morse
