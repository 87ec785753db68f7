#include "app/toolkit/win32/code_page_936.h"

#include <windows.h>

#include <exception>

#include "text/text_memory.h"

namespace toolkit::win32 {

namespace {

constexpr UINT codePage936 = 936;
constexpr wchar_t euroSign = L'\u20AC';
constexpr std::string_view euroSignPair = "\xA2\xE3";
constexpr wchar_t replacementCharacter = L'\uFFFD';

[[nodiscard]] bool isHighSurrogate(wchar_t unit) noexcept {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
[[nodiscard]] bool isLowSurrogate(wchar_t unit) noexcept {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// A lead byte of Windows' code page 936; 80 and FF are single bytes there.
[[nodiscard]] bool isCodePage936Lead(unsigned char byte) noexcept {
    return byte >= 0x81 && byte <= 0xFE;
}

// The character of a two-byte sequence, or U+FFFD when the pair is not exactly one character.
[[nodiscard]] wchar_t characterOfPair(const char* pair) noexcept {
    wchar_t character = replacementCharacter;
    const int written =
        MultiByteToWideChar(codePage936, MB_ERR_INVALID_CHARS, pair, 2, &character, 1);
    return written == 1 ? character : replacementCharacter;
}

// The two-byte form of a character, checked by converting it back, because Windows maps a few
// characters to single bytes or to look-alikes; the placeholder where there is none. The private
// character that Windows keeps at A2 E3 gets the placeholder too: that pair means the euro sign.
[[nodiscard]] std::string_view pairOf(wchar_t character, char (&buffer)[2]) noexcept {
    if (character == euroSign) {
        return euroSignPair;
    }
    BOOL usedDefault = FALSE;
    const int written = WideCharToMultiByte(codePage936, WC_NO_BEST_FIT_CHARS, &character, 1,
                                            buffer, 2, nullptr, &usedDefault);
    const std::string_view pair{buffer, 2};
    if (written != 2 || usedDefault || !isCodePage936Lead(static_cast<unsigned char>(buffer[0])) ||
        characterOfPair(buffer) != character || pair == euroSignPair) {
        return unrepresentablePlaceholder;
    }
    return pair;
}

template <class String>
void reserveOrReport(String& string, std::size_t count) {
    try {
        string.reserve(count);
    } catch (const std::exception&) {
        text::reportTextAllocationFailure(count * sizeof(typename String::value_type));
    }
}

}  // namespace

text::ByteText codePage936FromWide(std::wstring_view wide) {
    std::string bytes;
    reserveOrReport(bytes, wide.size() * 2);
    for (std::size_t index = 0; index < wide.size(); ++index) {
        const wchar_t unit = wide[index];
        if (unit < 0x80) {
            bytes.push_back(static_cast<char>(unit));
        } else if (isHighSurrogate(unit) && index + 1 < wide.size() &&
                   isLowSurrogate(wide[index + 1])) {
            bytes.append(unrepresentablePlaceholder);
            ++index;
        } else {
            char buffer[2];
            bytes.append(pairOf(unit, buffer));
        }
    }
    return text::ByteText{bytes};
}

std::wstring wideFromCodePage936(std::string_view bytes) {
    std::wstring wide;
    reserveOrReport(wide, bytes.size() + 1);
    for (std::size_t index = 0; index < bytes.size(); ++index) {
        const auto byte = static_cast<unsigned char>(bytes[index]);
        if (byte < 0x80) {
            wide.push_back(static_cast<wchar_t>(byte));
        } else if (index + 1 == bytes.size()) {
            wide.push_back(replacementCharacter);
        } else if (bytes.substr(index, 2) == euroSignPair) {
            wide.push_back(euroSign);
            ++index;
        } else {
            wide.push_back(characterOfPair(bytes.data() + index));
            ++index;
        }
    }
    return wide;
}

}  // namespace toolkit::win32
