#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string_view>
#include <vector>

#include "app/strings.h"
#include "app/window_definition.h"
#include "morse/code_table.h"

namespace {

using app::ControlDefinition;
using app::ControlId;
using app::ControlKind;
using app::WindowDefinition;

const WindowDefinition& mainWindow = app::mainWindowDefinition;

[[nodiscard]] bool overlap(const ControlDefinition& first, const ControlDefinition& second) {
    return first.place.x < second.place.x + second.size.width &&
           second.place.x < first.place.x + first.size.width &&
           first.place.y < second.place.y + second.size.height &&
           second.place.y < first.place.y + first.size.height;
}

[[nodiscard]] std::size_t stackingPosition(ControlId id) {
    const auto found = std::ranges::find(mainWindow.controls, id, &ControlDefinition::id);
    return static_cast<std::size_t>(found - mainWindow.controls.begin());
}

TEST(MainWindowDefinition, IsWellFormed) {
    EXPECT_TRUE(app::isWellFormed(mainWindow));
}

TEST(MainWindowDefinition, ControlsCoverExactlyTheDesignedPartOfTheClientArea) {
    std::int32_t left = 1000, top = 1000, right = 0, bottom = 0;
    for (const ControlDefinition& control : mainWindow.controls) {
        left = std::min(left, control.place.x);
        top = std::min(top, control.place.y);
        right = std::max(right, control.place.x + control.size.width);
        bottom = std::max(bottom, control.place.y + control.size.height);
    }
    EXPECT_EQ(left, 15);
    EXPECT_EQ(top, 6);
    EXPECT_EQ(right, 265);
    EXPECT_EQ(bottom, 330);
    EXPECT_EQ(mainWindow.outerSize, (app::Size{286, 390}));
}

TEST(MainWindowDefinition, OnlyTheSeparatorBoxOverlapsItsLabelAndLiesAboveIt) {
    std::vector<std::pair<ControlId, ControlId>> overlapping;
    for (std::size_t upper = 0; upper < app::controlCount; ++upper) {
        for (std::size_t lower = upper + 1; lower < app::controlCount; ++lower) {
            if (overlap(mainWindow.controls[upper], mainWindow.controls[lower])) {
                overlapping.emplace_back(mainWindow.controls[upper].id,
                                         mainWindow.controls[lower].id);
            }
        }
    }
    const std::vector<std::pair<ControlId, ControlId>> expected{
        {ControlId::separatorBox, ControlId::separatorLabel}};
    EXPECT_EQ(overlapping, expected);
}

TEST(MainWindowDefinition, TabOrderIsTheReverseStackingOrderWithoutLabels) {
    std::vector<ControlId> reversed;
    for (auto control = mainWindow.controls.rbegin(); control != mainWindow.controls.rend();
         ++control) {
        if (app::takesFocus(control->kind)) {
            reversed.push_back(control->id);
        }
    }
    EXPECT_TRUE(std::ranges::equal(mainWindow.tabOrder, reversed));
    EXPECT_EQ(mainWindow.tabOrder.front(), ControlId::inputBox);
    EXPECT_LT(stackingPosition(ControlId::helpBox), stackingPosition(ControlId::inputBox));
}

TEST(MainWindowDefinition, EveryEditableBoxIsNamedByItsOwnLabel) {
    const struct {
        ControlId box;
        std::string_view labelText;
    } expected[] = {{ControlId::inputBox, app::strings::inputLabel},
                    {ControlId::resultBox, app::strings::resultLabel},
                    {ControlId::separatorBox, app::strings::separatorLabel}};
    for (const auto& pair : expected) {
        const ControlDefinition& box = app::controlOf(mainWindow, pair.box);
        ASSERT_TRUE(box.labelledBy.has_value()) << box.name;
        EXPECT_EQ(app::controlOf(mainWindow, *box.labelledBy).text, pair.labelText) << box.name;
    }
    EXPECT_FALSE(app::controlOf(mainWindow, ControlId::helpBox).labelledBy.has_value());
}

[[nodiscard]] std::vector<std::string_view> splitAt(std::string_view text,
                                                    std::string_view separator) {
    std::vector<std::string_view> pieces;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        pieces.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return pieces;
        }
        start = end + separator.size();
    }
}

TEST(HelpBoxText, ShowsTwelveCodesOfTheTableJoinedBySlashAndBySpace) {
    const std::string_view helpText = app::controlOf(mainWindow, ControlId::helpBox).text;
    EXPECT_EQ(helpText, app::strings::helpBoxText);
    const std::vector<std::string_view> lines = splitAt(helpText, "\r\n");
    ASSERT_EQ(lines.size(), 5U);
    EXPECT_EQ(lines[0], "\xB8\xF1\xCA\xBD\xCE\xAA");  // 格式为
    EXPECT_EQ(lines[2], "\xBB\xF2");                  // 或
    const std::vector<std::string_view> slashCodes = splitAt(lines[1], "/");
    ASSERT_EQ(slashCodes.size(), 12U);
    EXPECT_EQ(splitAt(lines[3], " "), slashCodes);
    for (const std::string_view code : slashCodes) {
        EXPECT_TRUE(std::ranges::any_of(
            morse::codeTable, [code](const morse::CodeEntry& row) { return row.code == code; }))
            << '"' << code << "\" is not a code of the table";
    }
}

struct Breakage {
    const char* label;
    std::function<void(WindowDefinition&)> breakIt;
};

TEST(WindowDefinitionCheck, RejectsEveryKindOfBrokenDefinition) {
    const auto row = [](WindowDefinition& definition, ControlId id) -> ControlDefinition& {
        return *std::ranges::find(definition.controls, id, &ControlDefinition::id);
    };
    const Breakage breakages[] = {
        {"a control twice", [](WindowDefinition& d) { d.controls[1].id = d.controls[0].id; }},
        {"a label in the tab order",
         [](WindowDefinition& d) { d.tabOrder[5] = ControlId::inputLabel; }},
        {"a box twice in the tab order, one missing",
         [](WindowDefinition& d) { d.tabOrder[5] = ControlId::inputBox; }},
        {"a button without a command",
         [&row](WindowDefinition& d) { row(d, ControlId::decodeButton).onClick = nullptr; }},
        {"a box with a command",
         [&row](WindowDefinition& d) {
             row(d, ControlId::inputBox).onClick = app::mainWindowDefinition.controls[1].onClick;
         }},
        {"a box labelled by a box",
         [&row](WindowDefinition& d) {
             row(d, ControlId::inputBox).labelledBy = ControlId::resultBox;
         }},
        {"a control beyond the window",
         [&row](WindowDefinition& d) { row(d, ControlId::helpBox).place.y = 300; }},
        {"a control of no size",
         [&row](WindowDefinition& d) { row(d, ControlId::inputLabel).size.width = 0; }},
        {"an unknown kind",
         [&row](WindowDefinition& d) {
             row(d, ControlId::resultLabel).kind = static_cast<ControlKind>(42);
         }},
        {"a menu item without a command",
         [](WindowDefinition& d) { d.menu.items[1].onChoose = nullptr; }},
    };
    for (const Breakage& breakage : breakages) {
        WindowDefinition broken = mainWindow;
        breakage.breakIt(broken);
        EXPECT_FALSE(app::isWellFormed(broken)) << breakage.label;
    }
}

}  // namespace
