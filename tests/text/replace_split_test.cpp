// replaceAll and splitText look for their subtext or separator only at character boundaries,
// never inside a two-byte character, and each treats a lone lead byte at the end in its own way.
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "text/byte_text.h"

namespace {

using text::ByteText;

ByteText t(std::string_view bytes) {
    return ByteText(bytes);
}

std::vector<ByteText> elementsOf(const text::TextArray& array) {
    std::vector<ByteText> elements;
    for (std::int32_t position = 1; position <= elementCount(array); ++position) {
        elements.push_back(elementAt(array, position));
    }
    return elements;
}

std::vector<ByteText> texts(std::initializer_list<std::string_view> bytes) {
    std::vector<ByteText> result;
    for (const std::string_view each : bytes) {
        result.push_back(t(each));
    }
    return result;
}

TEST(ReplaceAll, ReplacesAtCharacterBoundariesLeftToRight) {
    const struct {
        std::string_view text;
        std::string_view subtext;
        std::string_view replacement;
        std::string_view expected;
    } cases[] = {
        {"aaa", "aa", "-", "-a"},
        {"aaaa", "aa", "-", "--"},
        {"a*b*", "*", "", "ab"},
        {"**", "*", "**", "****"},  // the replacement is not scanned again
        {"abcabc", "bc", "\xA1\xAA",
         "a\xA1\xAA"
         "a\xA1\xAA"},
        {"ABC", "abc", "x", "ABC"},  // case matters
        {"ab", "abc", "x", "ab"},
        {"abc", "abc", "", ""},
        {"\xA1\xAA\xA1\xAA", "\xA1\xAA", "-", "--"},
        {"\xD6\xD0*", "*", ".", "\xD6\xD0."},
        // Bytes that stand side by side but belong to two characters are not found.
        {"\xB0\xA1\xA1\xA3", "\xA1\xA1", "x", "\xB0\xA1\xA1\xA3"},
        {"\xA1\xA1\xA1\xA3", "\xA1\xA3", "x",
         "\xA1\xA1"
         "x"},
        {"\x81*", "*", ".", "\x81*"},
        {"\x80-", "-", "x", "\x80-"},
        {"\xFF.", ".", "x", "\xFF."},
        {"\xA3"
         "A",
         "A", "x",
         "\xA3"
         "A"},
        // A one-byte subtext drops a lone lead byte at the end; a longer one keeps it.
        {"\x2E\x2D\x80", "*", ".", "\x2E\x2D"},
        {"\x2E\x2D\x80", "\xA1\xAA", "-", "\x2E\x2D\x80"},
        {"x\x80", "\xA1\xAA", "-", "x\x80"},
        {"\xB0", "a", "b", ""},
        {"\xD6\xD0\xFF", "*", ".", "\xD6\xD0"},
        // The match is tried first, so a lone lead byte can itself be the subtext, and a
        // match moves on by the subtext's length, even into the middle of a pair.
        {"ab\x80", "\x80", "Z", "abZ"},
        {"\x80\x80", "\x80", "Z", "ZZ"},
        // Empty text or empty subtext: the text comes back.
        {"", "a", "b", ""},
        {"", "", "b", ""},
        {"abc", "", "x", "abc"},
        {"a\x80", "", "x", "a\x80"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << t(c.text) << " subtext " << t(c.subtext)
                                          << " replacement " << t(c.replacement));
        EXPECT_EQ(replaceAll(t(c.text), t(c.subtext), t(c.replacement)), t(c.expected));
    }
}

TEST(ReplaceAll, LeavesItsArgumentsUnchanged) {
    const ByteText whole = t("a*b");
    const ByteText subtext = t("*");
    const ByteText replacement = t(".");
    EXPECT_EQ(replaceAll(whole, subtext, replacement), t("a.b"));
    EXPECT_EQ(whole, t("a*b"));
    EXPECT_EQ(subtext, t("*"));
    EXPECT_EQ(replacement, t("."));
}

TEST(SplitText, CutsAtSeparatorsFoundAtCharacterBoundaries) {
    const struct {
        std::string_view text;
        std::string_view separator;
        std::vector<ByteText> elements;
    } cases[] = {
        {"a/b", "/", texts({"a", "b"})},
        {"a//b", "/", texts({"a", "", "b"})},
        {"/a", "/", texts({"", "a"})},
        {"a/", "/", texts({"a"})},
        {"/", "/", texts({""})},
        {"//", "/", texts({"", ""})},
        {"abc", "abc", texts({""})},
        {"abc", "abcd", texts({"abc"})},
        {"abc", "", texts({"abc"})},
        {"\xB0", "", texts({"\xB0"})},
        {"", "/", texts({})},
        {"", "", texts({})},
        {"a///b", "//", texts({"a", "/b"})},
        {".- / -...", " / ", texts({".-", "-..."})},
        {".-\r\n-...\r\n", "\r\n", texts({".-", "-..."})},
        {".-\xA3\xAC-...", "\xA3\xAC", texts({".-", "-..."})},
        {"\xA3\xAC\xA3\xAC", "\xA3\xAC", texts({"", ""})},
        // Never inside a character, also where its second byte is below 0x80.
        {"\x81\x40", "@", texts({"\x81\x40"})},
        {"\x80/.-/", "/", texts({"\x80/.-"})},
        {"\xFF//", "/", texts({"\xFF/"})},
        {"\xB0\xA3\xAC", "\xA3\xAC", texts({"\xB0\xA3\xAC"})},
        {"\xD6\xD0/\xD6\xD0", "\xD0/", texts({"\xD6\xD0/\xD6\xD0"})},
        // A lone lead byte at the end stays in the last element.
        {"a/\x80", "/", texts({"a", "\x80"})},
        {"a\x80", "/", texts({"a\x80"})},
        {"a/\xA3", "\xA3\xAC", texts({"a/\xA3"})},
        // The separator is tried first, so a lone lead byte can be the separator.
        {"a/\x80", "\x80", texts({"a/"})},
        {"\x80\x80"
         "a",
         "\x80", texts({"", "", "a"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << t(c.text) << " by " << t(c.separator));
        const text::TextArray array = splitText(t(c.text), t(c.separator));
        EXPECT_EQ(elementCount(array), static_cast<std::int32_t>(c.elements.size()));
        EXPECT_EQ(elementsOf(array), c.elements);
    }
}

TEST(SplitText, ElementsOutliveTheSplitText) {
    text::TextArray array;
    EXPECT_EQ(elementCount(array), 0);
    {
        const ByteText whole = t("ab/cd");
        array = splitText(whole, t("/"));
        EXPECT_EQ(whole, t("ab/cd"));
    }
    ASSERT_EQ(elementCount(array), 2);
    EXPECT_EQ(elementAt(array, 1), t("ab"));
    EXPECT_EQ(elementAt(array, 2), t("cd"));
}

}  // namespace
