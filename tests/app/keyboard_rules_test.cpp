#include <gtest/gtest.h>

#include "app/keyboard_rules.h"

namespace {

using app::Key;
using app::KeyAction;
using app::KeyModifiers;
using enum app::ControlKind;

constexpr KeyModifiers none{};
constexpr KeyModifiers shift{.shift = true};
constexpr KeyModifiers control{.control = true};
constexpr KeyModifiers alt{.alt = true};

TEST(KeyboardRules, WindowTakesTabShiftTabAndEscFromEveryControl) {
    for (const auto focused : {multiLineEditBox, oneLineEditBox, readOnlyTextBox, pushButton}) {
        EXPECT_EQ(app::keyActionFor(Key::tab, none, focused), KeyAction::focusNext);
        EXPECT_EQ(app::keyActionFor(Key::tab, shift, focused), KeyAction::focusPrevious);
        EXPECT_EQ(app::keyActionFor(Key::escape, none, focused), KeyAction::closeWindow);
    }
    EXPECT_EQ(app::keyActionFor(Key::tab, none, std::nullopt), KeyAction::focusNext);
    EXPECT_EQ(app::keyActionFor(Key::escape, none, std::nullopt), KeyAction::closeWindow);
}

TEST(KeyboardRules, EnterReachesOnlyMultiLineEditableBoxes) {
    const struct {
        std::optional<app::ControlKind> focused;
        KeyAction expected;
    } cases[] = {
        {multiLineEditBox, KeyAction::passToControl}, {oneLineEditBox, KeyAction::swallow},
        {readOnlyTextBox, KeyAction::swallow},        {pushButton, KeyAction::swallow},
        {std::nullopt, KeyAction::swallow},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(app::keyActionFor(Key::enter, none, testCase.focused), testCase.expected);
    }
}

TEST(KeyboardRules, OtherKeysAndOtherModifiersGoToTheControl) {
    const struct {
        Key key;
        KeyModifiers modifiers;
    } cases[] = {
        {Key::f1, none},     {Key::other, none},    {Key::tab, control},
        {Key::tab, alt},     {Key::escape, shift},  {Key::escape, control},
        {Key::enter, shift}, {Key::enter, control}, {Key::other, shift},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(app::keyActionFor(testCase.key, testCase.modifiers, oneLineEditBox),
                  KeyAction::passToControl);
    }
}

}  // namespace
