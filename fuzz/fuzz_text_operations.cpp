// The text operations on arbitrary bytes, held against the plain rules and against properties
// that relate them. Input: a field for the subtext (also the separator and the second text to
// compare), a field for the replacement (also the third text), a number for the position and one
// for the count, then the text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/check.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/plain_rules.h"
#include "text/byte_text.h"

namespace {

using fuzz::check;
using fuzz::checkShowing;
using fuzz::checkValid;
using text::ByteText;

ByteText textFrom(std::string_view raw) {
    ByteText result(raw);
    checkValid(result, "ByteText");
    checkShowing(result.bytes() == fuzz::plain::withoutZeroBytes(raw),
                 "a text made of arbitrary bytes keeps every byte but 00", result);
    return result;
}

void checkLengthAndMid(const ByteText& text, std::int32_t position, std::int32_t count) {
    check(textLength(text) == static_cast<std::int32_t>(text.size()),
          "textLength counts the bytes");

    const ByteText piece = textMid(text, position, count);
    checkValid(piece, "textMid");
    checkShowing(piece.bytes() == fuzz::plain::mid(text.bytes(), position, count),
                 "textMid takes min(count, n - position + 1) bytes, or none out of range", text,
                 piece);

    // Cut anywhere, the two halves give the text back, even inside a two-byte character.
    const auto cut =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(position) % (text.size() + 1));
    const ByteText joined =
        concatText(textMid(text, 1, cut), textMid(text, cut + 1, textLength(text)));
    checkShowing(joined == text, "textMid halves rejoin to the text", text, joined);
}

void checkCaseAndWidth(const ByteText& text) {
    const ByteText upper = toUpperCase(text);
    checkValid(upper, "toUpperCase");
    check(upper.size() == text.size(), "toUpperCase keeps the length");
    checkShowing(upper.bytes() == fuzz::plain::upperCased(text.bytes()),
                 "toUpperCase changes only one-byte a-z at character boundaries", text, upper);

    const ByteText narrow = toHalfWidth(text);
    checkValid(narrow, "toHalfWidth");
    check(narrow.size() <= text.size(), "toHalfWidth never grows the text");
    checkShowing(narrow.bytes() == fuzz::plain::narrowed(text.bytes()),
                 "toHalfWidth narrows exactly the full-width forms and drops a lone lead byte",
                 text, narrow);
    // Narrowing leaves only pairs that stay pairs and no lone lead byte, so a second pass finds
    // nothing left to do.
    checkShowing(toHalfWidth(narrow) == narrow, "toHalfWidth of its own result changes nothing",
                 text, narrow);
}

void checkReplace(const ByteText& text, const ByteText& subtext, const ByteText& replacement) {
    const ByteText replaced = replaceAll(text, subtext, replacement);
    checkValid(replaced, "replaceAll");
    checkShowing(replaced.bytes() ==
                     fuzz::plain::replacedAll(text.bytes(), subtext.bytes(), replacement.bytes()),
                 "replaceAll replaces left to right, only at character boundaries", text, subtext,
                 replacement, replaced);

    // Replacing a subtext by itself gives the text back; only a one-byte subtext may stop at a
    // lone lead byte at the end and drop it.
    const ByteText same = replaceAll(text, subtext, subtext);
    const bool droppedLoneLead = subtext.size() == 1 && !text.empty() &&
                                 fuzz::plain::leads(text.bytes().back()) &&
                                 same.bytes() == text.bytes().substr(0, text.size() - 1);
    checkShowing(same == text || droppedLoneLead,
                 "replaceAll of a subtext by itself gives the text back", text, subtext, same);
}

void checkSplit(const ByteText& text, const ByteText& separator) {
    const text::TextArray pieces = splitText(text, separator);
    const std::int32_t count = elementCount(pieces);
    const std::vector<std::string> expected = fuzz::plain::splitAt(text.bytes(), separator.bytes());
    checkShowing(count == static_cast<std::int32_t>(expected.size()),
                 "splitText cuts only at character boundaries, dropping only an empty last element",
                 text, separator);
    std::string rejoined;
    for (std::int32_t position = 1; position <= count; ++position) {
        const ByteText& piece = elementAt(pieces, position);
        checkValid(piece, "splitText");
        checkShowing(piece.bytes() == expected[static_cast<std::size_t>(position - 1)],
                     "splitText cuts only at character boundaries", text, separator, piece);
        if (position > 1) {
            rejoined += separator.bytes();
        }
        rejoined += piece.bytes();
    }
    if (text.empty()) {
        check(count == 0, "splitText of the empty text has no elements");
    } else if (separator.empty()) {
        check(count == 1 && elementAt(pieces, 1) == text,
              "splitText by the empty separator gives the whole text");
    } else {
        // Only the empty element after a final separator is left out.
        checkShowing(
            rejoined == text.bytes() || rejoined + std::string(separator.bytes()) == text.bytes(),
            "splitText elements rejoined with the separator give the text", text, separator);
    }
}

void checkCompare(const ByteText& first, const ByteText& second, const ByteText& third) {
    const int order = compareText(first, second);
    checkShowing(order == fuzz::plain::compared(first.bytes(), second.bytes()),
                 "compareText orders by unsigned bytes, a prefix first", first, second);
    check(compareText(second, first) == -order, "compareText is antisymmetric");
    check((order == 0) == (first == second), "compareText is 0 exactly for equal texts");
    check(compareText(first, first) == 0, "compareText of a text with itself is 0");
    if (order < 0 && compareText(second, third) < 0) {
        check(compareText(first, third) < 0, "compareText is transitive");
    }
}

void checkConcat(const ByteText& first, const ByteText& second, const ByteText& third) {
    const ByteText joined = concatText(first, second, third);
    checkValid(joined, "concatText");
    checkShowing(joined.bytes() == std::string(first.bytes()) + std::string(second.bytes()) +
                                       std::string(third.bytes()),
                 "concatText puts the texts one after another", first, second, third, joined);
    check(concatText(first) == first, "concatText of one text is that text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const ByteText subtext = textFrom(input.field());
    const ByteText replacement = textFrom(input.field());
    const std::int32_t position = input.number();
    const std::int32_t count = input.number();
    const ByteText text = textFrom(input.rest());

    checkLengthAndMid(text, position, count);
    checkCaseAndWidth(text);
    checkReplace(text, subtext, replacement);
    checkSplit(text, subtext);
    checkCompare(text, subtext, replacement);
    checkConcat(text, subtext, replacement);
    return 0;
}
