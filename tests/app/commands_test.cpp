#include <gtest/gtest.h>

#include <string_view>

#include "app/commands.h"
#include "app/strings.h"
#include "tests/app/fake_toolkit.h"

namespace {

using app::ControlId;
using toolkit::Window;
using Verb = toolkit::Window::Verb;

class CommandsTest : public testing::Test {
protected:
    void SetUp() override { fake::resetDesktop(); }

    Window window;

    void fillBoxes(std::string_view input, std::string_view separator, std::string_view result) {
        window.box(ControlId::inputBox) = text::ByteText{input};
        window.box(ControlId::separatorBox) = text::ByteText{separator};
        window.box(ControlId::resultBox) = text::ByteText{result};
    }
};

struct TranslationCase {
    const char* label;
    app::Command command;
    std::string_view input;
    std::string_view separator;
    std::string_view resultBefore;
    std::string_view resultAfter;
};

// clang-format off
const TranslationCase translationCases[] = {
    // label                                command              input                    sep    before        after
    {"encode, empty input keeps result",   app::encodeCommand,  "",                      "/",   "typed",      "typed"},
    {"decode, empty input keeps result",   app::decodeCommand,  "",                      "/",   "typed",      "typed"},
    {"encode, spaces empty the result",    app::encodeCommand,  "   ",                   "/",   "typed",      ""},
    {"decode, spaces empty the result",    app::decodeCommand,  "   ",                   "/",   "typed",      ""},
    {"encode, line break alone",           app::encodeCommand,  "\r\n",                  "/",   "typed",      ""},
    {"encode replaces a typed result",     app::encodeCommand,  "sos",                   "/",   "typed",      ".../---/.../"},
    {"decode replaces a typed result",     app::decodeCommand,  ".../---/...",           "/",   "typed",      "SOS"},
    {"encode skips line breaks",           app::encodeCommand,  "A\r\nB",                " ",   "",           ".- -... "},
    {"encode skips Chinese",               app::encodeCommand,  "\xD6\xD0" "E",          "/",   "",           "./"},          // 中E
    {"decode reads look-alike marks",      app::decodeCommand,  "\xA1\xAA\xA1\xA3/.",    "/",   "",           "NE"},          // —。/.
    {"encode, empty separator",            app::encodeCommand,  "ET",                    "",    "",           ".-"},
    {"unreadable character encodes to nothing", app::encodeCommand, "\xA1\xFE",          "/",   "typed",      ""},            // 〓
    {"unreadable character decodes to nothing", app::decodeCommand, "\xA1\xFE",          "/",   "typed",      ""},            // 〓
};
// clang-format on

TEST_F(CommandsTest, TranslationReplacesTheResultBoxUnlessTheInputIsEmpty) {
    for (const TranslationCase& testCase : translationCases) {
        SCOPED_TRACE(testCase.label);
        fillBoxes(testCase.input, testCase.separator, testCase.resultBefore);
        testCase.command(window);
        EXPECT_EQ(window.box(ControlId::resultBox), text::ByteText{testCase.resultAfter});
        EXPECT_EQ(window.box(ControlId::inputBox), text::ByteText{testCase.input});
        EXPECT_EQ(window.box(ControlId::separatorBox), text::ByteText{testCase.separator});
    }
}

TEST_F(CommandsTest, EmptyInputReadsNothingElseAndWritesNothing) {
    for (const app::Command command : {app::encodeCommand, app::decodeCommand}) {
        fillBoxes("", "/", "typed");
        window.calls.clear();
        command(window);
        ASSERT_EQ(window.calls.size(), 1U);
        EXPECT_EQ(window.calls[0].verb, Verb::read);
        EXPECT_EQ(window.calls[0].box, ControlId::inputBox);
    }
}

TEST_F(CommandsTest, ResultIsEmptiedThenReceivesTheTranslationInOnePiece) {
    fillBoxes("ab", " ", "typed");
    app::encodeCommand(window);
    std::vector<Window::Call> writes;
    for (const Window::Call& call : window.calls) {
        if (call.verb != Verb::read) {
            writes.push_back(call);
        }
    }
    ASSERT_EQ(writes.size(), 2U);
    EXPECT_EQ(writes[0].verb, Verb::set);
    EXPECT_EQ(writes[0].box, ControlId::resultBox);
    EXPECT_EQ(writes[0].text, text::ByteText{});
    EXPECT_EQ(writes[1].verb, Verb::append);
    EXPECT_EQ(writes[1].box, ControlId::resultBox);
    EXPECT_EQ(writes[1].text, text::ByteText{".- -... "});
}

TEST_F(CommandsTest, PressingTwiceGivesTheResultOfOnePress) {
    for (const app::Command command : {app::encodeCommand, app::decodeCommand}) {
        fillBoxes("-.-. --.-", " ", "");
        command(window);
        const text::ByteText once = window.box(ControlId::resultBox);
        command(window);
        EXPECT_FALSE(once.empty());
        EXPECT_EQ(window.box(ControlId::resultBox), once);
    }
}

TEST_F(CommandsTest, MenuCommandsShowTheirTextWithoutCaptionOrIcon) {
    const struct {
        app::Command command;
        std::string_view message;
    } cases[] = {{app::helpCommand, app::strings::helpMessage},
                 {app::aboutCommand, app::strings::aboutMessage}};
    for (const auto& testCase : cases) {
        fake::resetDesktop();
        fillBoxes("sos", "/", "typed");
        window.calls.clear();
        testCase.command(window);
        ASSERT_EQ(fake::desktop().messages.size(), 1U);
        const fake::ShownMessage& shown = fake::desktop().messages[0];
        EXPECT_EQ(shown.message, text::ByteText{testCase.message});
        EXPECT_TRUE(shown.caption.empty());
        EXPECT_EQ(shown.icon, toolkit::MessageIcon::none);
        EXPECT_TRUE(window.calls.empty()) << "a menu command touched a box";
    }
}

TEST(AboutText, IsTwoNonEmptyLinesJoinedByCrLf) {
    const std::string_view about = app::strings::aboutMessage;
    const std::size_t lineBreak = about.find("\r\n");
    ASSERT_NE(lineBreak, std::string_view::npos);
    const std::string_view name = about.substr(0, lineBreak);
    const std::string_view contact = about.substr(lineBreak + 2);
    EXPECT_FALSE(name.empty());
    EXPECT_FALSE(contact.empty());
    EXPECT_EQ(contact.find_first_of("\r\n"), std::string_view::npos);
    EXPECT_EQ(name.find_first_of("\r\n"), std::string_view::npos);
}

}  // namespace
