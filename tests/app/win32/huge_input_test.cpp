// Four mebibytes through the real window, each way: the input box holds all of it, and the result
// box receives the whole translation through the code page 936 boundary and the edit controls'
// own storage, with nothing cut off.
//
// Wine's edit control lays out each paragraph (the text between two line breaks) in time that
// grows with the square of its length, and digits are far slower than letters: 8192 letters in one
// paragraph take 0.3 seconds, 16384 digits half a minute, and the 180000 characters decoded from
// one mebibyte of Morse code a minute. So the inputs keep every paragraph short: the encoder writes
// a line break after every code, and the decoder's result, which never holds a line break, is kept
// to 16384 characters, the 52 of the table in turn, by giving only one line in four of its input a
// code. Rows hold few codes because each line of the result box costs Wine about 20 microseconds
// more.
#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "morse/code_table.h"
#include "morse/decoder.h"
#include "morse/encoder.h"
#include "morse/mark_variants.h"
#include "tests/app/win32/window_fixture.h"

namespace {

using app::ControlId;
using enum app::ControlId;

constexpr std::size_t hugeSize = 4 * 1024 * 1024;

// Rows of a mostly empty text table, 128 bytes each, numbered so that a row lost, doubled or
// moved changes the translation. Every sixteenth row also holds Chinese and a full-width SOS.
[[nodiscard]] std::string plainTable() {
    std::string text;
    text.reserve(hugeSize);
    for (std::size_t row = 0; text.size() < hugeSize; ++row) {
        char number[8];
        std::snprintf(number, sizeof number, "%05zu", row);
        const std::string_view inscription =
            row % 16 == 0 ? " \xC4\xA6\xCB\xB9 \xA3\xD3\xA3\xCF\xA3\xD3"  // 摩斯 ＳＯＳ
                          : "";
        text += "| ";
        text += number;
        text += " |";
        text += inscription;
        text.append(116 - inscription.size(), ' ');
        text += "|\r\n";
    }
    return text;
}

// Each mark written by turns as itself and as each of its look-alikes.
class MarkWriter {
public:
    MarkWriter() {
        for (const morse::MarkVariant& row : morse::markVariants) {
            (row.replacement == "." ? dots_ : dashes_).push_back(row.variant);
        }
    }
    void write(std::string_view code, std::string& out) {
        for (const char mark : code) {
            const std::vector<std::string_view>& forms = mark == '.' ? dots_ : dashes_;
            out += forms[turn_++ % forms.size()];
        }
    }

private:
    std::vector<std::string_view> dots_{"."};
    std::vector<std::string_view> dashes_{"-"};
    std::size_t turn_ = 0;
};

// Lines of Morse code for the separator "/", 64 bytes each. Every fourth line begins with the
// next code of the table, all 52 in turn; the rest of every line is runs of eight or more dots,
// no code of any character, and a tilde with the line break. (Runs of dashes would do as well,
// but Wine lays them out more than twice as slowly.)
[[nodiscard]] std::string sparseMorse() {
    std::string text;
    text.reserve(hugeSize);
    MarkWriter marks;
    for (std::size_t line = 0; text.size() < hugeSize; ++line) {
        std::string row;
        if (line % 4 == 0) {
            marks.write(morse::codeTable[(line / 4) % morse::codeTable.size()].code, row);
            row += '/';
        }
        while (row.size() + 9 <= 60) {
            row += "......../";
        }
        row.insert(row.size() - 1, 60 - row.size(), '.');
        text += row;
        text += "~\r\n/";
    }
    return text;
}

class HugeInput : public MainWindowTest {
protected:
    // Fills the boxes, presses the button and compares the result box with `expected`: its
    // length, its first and last bytes for a readable failure, then every byte.
    void translate(ControlId button, const std::string& input, std::string_view separator,
                   const text::ByteText& expected) {
        ASSERT_EQ(input.size(), hugeSize);
        setText(inputBox, input);
        setText(separatorBox, separator);
        const std::string held = text(inputBox);
        ASSERT_TRUE(held == input)
            << "the input box holds " << held.size() << " of " << input.size() << " bytes";
        SendMessageW(control(button), BM_CLICK, 0, 0);
        settle();

        const std::string result = text(resultBox);
        const std::string_view wanted = expected.bytes();
        EXPECT_EQ(result.size(), wanted.size());
        const std::size_t edge = std::min<std::size_t>({80, result.size(), wanted.size()});
        EXPECT_EQ(result.substr(0, edge), wanted.substr(0, edge));
        EXPECT_EQ(result.substr(result.size() - edge), wanted.substr(wanted.size() - edge));
        const auto differs =
            std::mismatch(result.begin(), result.end(), wanted.begin(), wanted.end()).first;
        EXPECT_EQ(differs, result.end())
            << "first difference at byte " << (differs - result.begin());
        EXPECT_TRUE(windowIsOpen());
    }
};

TEST_F(HugeInput, EncodesFourMebibytesOfPlainTextWhole) {
    const std::string input = plainTable();
    const text::ByteText expected =
        morse::encodeToMorse(text::ByteText{input}, text::ByteText{"\r\n"});
    // Far beyond an edit control's default limit of 30000 and any 16-bit count.
    ASSERT_GT(expected.bytes().size(), 1'000'000U);
    translate(encodeButton, input, "\r\n", expected);
}

TEST_F(HugeInput, DecodesFourMebibytesOfMorseCodeWhole) {
    const std::string input = sparseMorse();
    const text::ByteText expected =
        morse::decodeFromMorse(text::ByteText{input}, text::ByteText{"/"});
    ASSERT_EQ(expected.bytes().size(), hugeSize / 64 / 4);
    translate(decodeButton, input, "/", expected);
}

}  // namespace
