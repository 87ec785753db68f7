// The translations fuse their steps into one pass over the input; they must give exactly what
// the step-by-step composition in literal_translations gives. Seeded random inputs lean toward
// the bytes where the two could part: marks and their look-alikes, separator bytes, lead bytes
// (0x80 and 0xFF among them), full-width pairs, a lone lead byte at the end.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "morse/code_table.h"
#include "morse/decoder.h"
#include "morse/encoder.h"
#include "morse/mark_variants.h"
#include "tests/morse/literal_translations.h"

namespace {

using text::ByteText;

// clang-format off
constexpr std::string_view twoByteCharacters[] = {
    "\xD6\xD0", "\xC4\xE3", "\xBA\xC3",  // 中 你 好
    "\xD5\x66", "\xDF\x40", "\x81\x40",  // second byte a letter or @
    "\x80" "A", "\xFF" "a", "\x80\xFF", "\xFF\x80",
    "\xA3\xAC", "\xA3\xAF", "\xA1\xE7", "\xA3\xA0", "\xA3\xFF",
};

constexpr std::string_view fixedSeparators[] = {
    "", "/", " ", "\r\n", " / ", "//", ".", "-", ".-", "-.", "*", "a", "A", "@", "+",
    "\xA3\xAC", "\xA3\xAC\xA3\xAC", "\xA1\xA3", "\xA1\xAA", "\xA9\xA5", "\xA1\xF1", "\xD6\xD0",
    "\x80", "\xFF", "\xA1", "\xA3", "\x81@", "\xA3\xAD", "\xA3\xAE", "\xD5\x66",
    "123456789", "1234567890", " <> \xA3\xAC <> \xA3\xAC <> ",  // longer than a code and more
};
// clang-format on

class InputGenerator {
public:
    explicit InputGenerator(std::uint32_t seed) : random_(seed) {}

    // A separator of one of the kinds that the translations treat differently.
    std::string separator() {
        if (below(3) != 0) {
            return std::string(fixedSeparators[below(std::size(fixedSeparators))]);
        }
        std::string bytes;
        const std::size_t fragments = 1 + below(3);
        for (std::size_t i = 0; i < fragments; ++i) {
            bytes += fragment("/");
        }
        return bytes;
    }

    // Up to `maxFragments` pieces, each a few bytes, sometimes ending in a lone lead byte. One
    // text in three is plain ASCII without the one-byte look-alike "*", which a translation
    // may well treat apart, and which a long text of random fragments would hardly ever be.
    std::string text(std::size_t maxFragments, const std::string& separator) {
        const bool plain = below(3) == 0;
        std::string bytes;
        const std::size_t fragments = below(maxFragments + 1);
        for (std::size_t i = 0; i < fragments; ++i) {
            std::string piece = fragment(separator);
            while (plain && !isPlain(piece)) {
                piece = fragment(separator);
            }
            bytes += piece;
        }
        if (!plain && below(6) == 0) {
            bytes += leadByte();
        }
        return bytes;
    }

private:
    static bool isPlain(std::string_view bytes) {
        return std::none_of(bytes.begin(), bytes.end(), [](char byte) {
            return static_cast<unsigned char>(byte) >= 0x80 || byte == '*';
        });
    }

    std::size_t below(std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_);
    }

    char byteFrom(unsigned low, unsigned high) {
        return static_cast<char>(std::uniform_int_distribution<unsigned>(low, high)(random_));
    }

    char leadByte() {
        switch (below(4)) {
            case 0:
                return '\x80';
            case 1:
                return '\xFF';
            default:
                return byteFrom(0x81, 0xFE);
        }
    }

    std::string fragment(const std::string& separator) {
        switch (below(20)) {
            case 0:
            case 1:
                return ".";
            case 2:
            case 3:
                return "-";
            case 4:
            case 5:
                return std::string(morse::codeTable[below(morse::codeTable.size())].code);
            case 6:
            case 7:
                return std::string(morse::markVariants[below(morse::markVariants.size())].variant);
            case 8: {
                const std::string_view variant =
                    morse::markVariants[below(morse::markVariants.size())].variant;
                return std::string(1, variant[below(variant.size())]);
            }
            case 9:
                return separator;
            case 10:
                return separator.empty() ? std::string("/")
                                         : std::string(1, separator[below(separator.size())]);
            case 11:
                return std::string(1, leadByte());
            case 12: {
                const char lead = below(2) == 0 ? '\xA1' : '\xA3';
                const char second = below(4) == 0 ? byteFrom(0x01, 0xFF) : byteFrom(0xA0, 0xFF);
                return {lead, second};
            }
            case 13:
                return std::string(1, below(2) == 0 ? byteFrom('a', 'z') : byteFrom('A', 'Z'));
            case 14:
                return std::string(1, byteFrom('0', '9'));
            case 15:
                return below(2) == 0 ? " " : "\r\n";
            case 16:
                return std::string(twoByteCharacters[below(std::size(twoByteCharacters))]);
            case 17:
                return std::string(morse::codeTable[below(morse::codeTable.size())].character);
            case 18:
                return below(2) == 0 ? "/" : "*";
            default:
                return std::string(1, byteFrom(0x01, 0xFF));
        }
    }

    std::mt19937 random_;
};

::testing::AssertionResult sameResult(const char* operation, const ByteText& input,
                                      const ByteText& separator, const ByteText& literal,
                                      const ByteText& fused) {
    if (literal == fused) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << operation << " of " << input << " with separator " << separator << ": expected "
           << literal << ", got " << fused;
}

constexpr std::uint32_t seeds[] = {1, 936, 20240229};
constexpr int casesPerSeed = 3000;

// Mostly short inputs, where every edge is near; now and then a long one, so that a pass that
// works in blocks meets its block boundaries many times.
std::size_t fragmentBound(int caseNumber) {
    return caseNumber % 50 == 0 ? 600 : 24;
}

using Translation = ByteText (*)(const ByteText& input, const ByteText& separator);

// The fused translation gives what the step-by-step one gives, on every generated input.
void expectSameAsStepByStep(const char* operation, Translation literal, Translation fused) {
    for (const std::uint32_t seed : seeds) {
        InputGenerator generate(seed);
        for (int i = 0; i < casesPerSeed; ++i) {
            const std::string separatorBytes = generate.separator();
            const ByteText separator(separatorBytes);
            const ByteText input(generate.text(fragmentBound(i), separatorBytes));
            const auto verdict = sameResult(operation, input, separator, literal(input, separator),
                                            fused(input, separator));
            ASSERT_TRUE(verdict) << "seed " << seed << ", case " << i;
        }
    }
}

TEST(LiteralComparison, EncoderMatchesTheStepByStepEncoder) {
    expectSameAsStepByStep("encodeToMorse", morse::literal::encodeToMorse, morse::encodeToMorse);
}

TEST(LiteralComparison, DecoderMatchesTheStepByStepDecoder) {
    expectSameAsStepByStep("decodeFromMorse", morse::literal::decodeFromMorse,
                           morse::decodeFromMorse);
}

TEST(LiteralComparison, DecoderMatchesOnTheEncodersOutput) {
    for (const std::uint32_t seed : seeds) {
        InputGenerator generate(seed);
        for (int i = 0; i < casesPerSeed; ++i) {
            const std::string separatorBytes = generate.separator();
            const ByteText separator(separatorBytes);
            const ByteText plain(generate.text(fragmentBound(i), separatorBytes));
            const ByteText encoded = morse::encodeToMorse(plain, separator);
            const auto verdict = sameResult("decodeFromMorse", encoded, separator,
                                            morse::literal::decodeFromMorse(encoded, separator),
                                            morse::decodeFromMorse(encoded, separator));
            ASSERT_TRUE(verdict) << "seed " << seed << ", case " << i << ", encoded from " << plain;
        }
    }
}

// The reference itself must show the behaviour it stands for, or agreeing with it proves
// nothing.
TEST(LiteralComparison, ReferenceKeepsTheRules) {
    using morse::literal::decodeFromMorse;
    using morse::literal::encodeToMorse;
    EXPECT_EQ(encodeToMorse(ByteText("sOs"), ByteText("/")), ByteText(".../---/.../"));
    EXPECT_EQ(encodeToMorse(ByteText("\xD5\x66"
                                     "A"),
                            ByteText("/")),
              ByteText(".-/"));
    EXPECT_EQ(encodeToMorse(ByteText("\xA3\xC1\xA3\xA4"), ByteText("")), ByteText(".-...-..-"));
    EXPECT_EQ(encodeToMorse(ByteText("E\xB0"), ByteText("\xA3\xAC")), ByteText(".\xA3\xAC"));
    EXPECT_EQ(decodeFromMorse(ByteText("\xA1\xF1\xA1\xF1\xA1\xF1/\xA9\xA5\xA1\xAA\xA3\xAD"),
                              ByteText("/")),
              ByteText("SO"));
    EXPECT_EQ(decodeFromMorse(ByteText("/.../---//.../"), ByteText("/")), ByteText("SOS"));
    EXPECT_EQ(decodeFromMorse(ByteText(".-\xA1\xA3-..."), ByteText("\xA1\xA3")), ByteText(""));
    EXPECT_EQ(decodeFromMorse(ByteText(".-/-...\xA1"), ByteText("/")), ByteText("AB"));
    EXPECT_EQ(decodeFromMorse(ByteText("\xFF/.-"), ByteText("/")), ByteText(""));
}

}  // namespace
