#include <gtest/gtest.h>

#include "app/placement.h"

namespace {

TEST(CentredOnScreen, HalvesTheDifferenceTowardZero) {
    const struct {
        toolkit::ScreenSize screen;
        app::Point expected;
    } cases[] = {
        {{1024, 768}, {369, 189}}, {{1920, 1080}, {817, 345}},
        {{287, 391}, {0, 0}},  // one pixel to spare: the half is dropped
        {{286, 390}, {0, 0}},      {{283, 387}, {-1, -1}},  // -3 / 2 is -1, not -2
        {{200, 100}, {-43, -145}},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(app::centredOnScreen({286, 390}, testCase.screen), testCase.expected)
            << testCase.screen.width << " x " << testCase.screen.height;
    }
}

TEST(OneLineBoxHeight, RaisesOnlyABoxTooLowForItsFont) {
    const struct {
        std::int32_t defined, line, edge, expected;
    } cases[] = {
        {20, 13, 2, 20},  // the default font: enough room
        {20, 16, 2, 20},  // exactly enough
        {20, 17, 2, 21},
        {10, 13, 2, 17},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(app::oneLineBoxHeight(testCase.defined, testCase.line, testCase.edge),
                  testCase.expected);
    }
}

}  // namespace
