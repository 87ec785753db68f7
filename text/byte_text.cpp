#include "text/byte_text.h"

#include <algorithm>
#include <iomanip>

#include "text/character_rule.h"
#include "text/text_builder.h"

namespace text {
namespace {

[[nodiscard]] unsigned char byteAt(std::string_view bytes, std::size_t index) noexcept {
    return static_cast<unsigned char>(bytes[index]);
}

}  // namespace

ByteText::ByteText(std::string_view bytes) {
    // The usual input has no 00 byte at all, which memchr finds out fastest.
    if (bytes.empty() || std::memchr(bytes.data(), '\0', bytes.size()) == nullptr) {
        *this =
            build(bytes.size(), [&](char* out) { std::memcpy(out, bytes.data(), bytes.size()); });
        return;
    }
    const auto nulCount = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\0'));
    *this = build(bytes.size() - nulCount, [&](char* out) {
        std::copy_if(bytes.begin(), bytes.end(), out, [](char byte) { return byte != '\0'; });
    });
}

ByteText::ByteText(const ByteText& other)
    : ByteText(build(other.length_,
                     [&](char* out) { std::memcpy(out, other.bytes_.get(), other.length_); })) {}

ByteText& ByteText::operator=(const ByteText& other) {
    if (this != &other) {
        *this = ByteText(other);
    }
    return *this;
}

std::ostream& operator<<(std::ostream& out, const ByteText& text) {
    out << '"';
    const auto flags = out.flags();
    for (const char byte : text.bytes()) {
        const auto value = static_cast<unsigned char>(byte);
        if (value >= 0x20 && value < 0x7F && value != '"' && value != '\\') {
            out << byte;
        } else {
            out << "\\x" << std::hex << std::uppercase << std::setw(2) << std::setfill('0')
                << static_cast<unsigned>(value);
        }
    }
    out.flags(flags);
    return out << '"';
}

std::int32_t textLength(const ByteText& text) noexcept {
    return static_cast<std::int32_t>(text.size());
}

ByteText textMid(const ByteText& text, std::int32_t position, std::int32_t count) {
    const std::int32_t length = textLength(text);
    if (position < 1 || position > length || count < 1) {
        return {};
    }
    const std::int32_t available = length - position + 1;
    return ByteText(text.bytes().substr(static_cast<std::size_t>(position - 1),
                                        static_cast<std::size_t>(std::min(count, available))));
}

ByteText toUpperCase(const ByteText& text) {
    const std::string_view bytes = text.bytes();
    return ByteText::build(bytes.size(), [&](char* out) {
        std::memcpy(out, bytes.data(), bytes.size());
        std::size_t i = 0;
        while (i < bytes.size()) {
            const unsigned char byte = byteAt(bytes, i);
            if (isLeadByte(byte)) {
                i += 2;  // the pair stays whole; a lone lead byte ends the scan
            } else {
                out[i] = static_cast<char>(upperCaseOf(byte));
                ++i;
            }
        }
    });
}

ByteText toHalfWidth(const ByteText& text) {
    const std::string_view bytes = text.bytes();
    return produceText([&](auto& sink) {
        std::size_t i = 0;
        while (i < bytes.size()) {
            const unsigned char byte = byteAt(bytes, i);
            if (!isLeadByte(byte)) {
                sink.put(static_cast<char>(byte));
                ++i;
            } else if (i + 1 == bytes.size()) {
                return;  // a lone lead byte is not copied
            } else {
                const unsigned char narrow = halfWidthOf(byte, byteAt(bytes, i + 1));
                if (narrow != 0) {
                    sink.put(static_cast<char>(narrow));
                } else {
                    sink.put(bytes.substr(i, 2));
                }
                i += 2;
            }
        }
    });
}

ByteText replaceAll(const ByteText& text, const ByteText& subtext, const ByteText& replacement) {
    const std::string_view bytes = text.bytes();
    const std::string_view target = subtext.bytes();
    if (bytes.empty() || target.empty()) {
        return text;
    }
    return produceText([&](auto& sink) {
        std::size_t i = 0;
        while (bytes.size() - i >= target.size()) {
            if (bytes.compare(i, target.size(), target) == 0) {
                sink.put(replacement.bytes());
                i += target.size();
            } else if (!isLeadByte(byteAt(bytes, i))) {
                sink.put(bytes[i]);
                ++i;
            } else if (i + 1 == bytes.size()) {
                return;  // a lone lead byte (only reachable with a one-byte subtext) ends it
            } else {
                sink.put(bytes.substr(i, 2));
                i += 2;
            }
        }
        sink.put(bytes.substr(i));
    });
}

TextArray splitText(const ByteText& text, const ByteText& separator) {
    const std::string_view bytes = text.bytes();
    const std::string_view cut = separator.bytes();
    TextArray::Elements elements;
    if (bytes.empty()) {
        return TextArray(std::move(elements));
    }
    if (cut.empty()) {
        elements.push_back(text);
        return TextArray(std::move(elements));
    }
    std::size_t start = 0;
    std::size_t i = 0;
    while (bytes.size() - i >= cut.size()) {
        if (bytes.compare(i, cut.size(), cut) == 0) {
            elements.emplace_back(bytes.substr(start, i - start));
            i += cut.size();
            start = i;
        } else if (!isLeadByte(byteAt(bytes, i))) {
            ++i;
        } else if (i + 1 == bytes.size()) {
            break;  // a lone lead byte stays in the last element
        } else {
            i += 2;
        }
    }
    if (start < bytes.size()) {
        elements.emplace_back(bytes.substr(start));
    }
    return TextArray(std::move(elements));
}

int compareText(const ByteText& first, const ByteText& second) noexcept {
    // string_view compares through char_traits<char>, which orders bytes as unsigned char.
    const int order = first.bytes().compare(second.bytes());
    return (order > 0) - (order < 0);
}

namespace detail {

ByteText concatBytes(std::initializer_list<std::string_view> parts) {
    return produceText([&](auto& sink) {
        for (const std::string_view part : parts) {
            sink.put(part);
        }
    });
}

}  // namespace detail

std::int32_t elementCount(const TextArray& array) noexcept {
    return static_cast<std::int32_t>(array.elements().size());
}

const ByteText& elementAt(const TextArray& array, std::int32_t position) {
    return array.elements()[static_cast<std::size_t>(position - 1)];
}

}  // namespace text
