#include <gtest/gtest.h>

#include <set>

#include "app/tab_ring.h"

namespace {

using app::ControlId;
using app::TabDirection;
using enum app::ControlId;

constexpr std::array<ControlId, 6> ring{inputBox,     resultBox,    decodeButton,
                                        separatorBox, encodeButton, helpBox};

[[nodiscard]] app::FocusAvailability allBut(std::set<ControlId> unavailable) {
    return [unavailable](ControlId id) { return !unavailable.contains(id); };
}

TEST(TabRing, WalksTheWholeRingBothWays) {
    std::optional<ControlId> focus = inputBox;
    for (std::size_t step = 1; step <= ring.size(); ++step) {
        focus = app::stepInTabRing(ring, focus, TabDirection::forward, allBut({}));
        EXPECT_EQ(focus, ring[step % ring.size()]);
    }
    for (std::size_t step = 1; step <= ring.size(); ++step) {
        focus = app::stepInTabRing(ring, focus, TabDirection::backward, allBut({}));
        EXPECT_EQ(focus, ring[(ring.size() - step) % ring.size()]);
    }
}

TEST(TabRing, StepsOverControlsThatCannotTakeTheFocus) {
    const struct {
        std::optional<ControlId> current;
        TabDirection direction;
        std::set<ControlId> unavailable;
        std::optional<ControlId> expected;
    } cases[] = {
        {inputBox, TabDirection::forward, {resultBox}, decodeButton},
        {inputBox, TabDirection::backward, {helpBox, encodeButton}, separatorBox},
        {helpBox, TabDirection::forward, {inputBox, resultBox}, decodeButton},
        {separatorBox,
         TabDirection::forward,
         {inputBox, resultBox, decodeButton, encodeButton, helpBox},
         separatorBox},
        {separatorBox,
         TabDirection::forward,
         {inputBox, resultBox, decodeButton, separatorBox, encodeButton, helpBox},
         std::nullopt},
        // From no control or from a label, the first or last available control of the order.
        {std::nullopt, TabDirection::forward, {}, inputBox},
        {std::nullopt, TabDirection::backward, {}, helpBox},
        {inputLabel, TabDirection::forward, {inputBox}, resultBox},
        {inputLabel, TabDirection::backward, {helpBox}, encodeButton},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(app::stepInTabRing(ring, testCase.current, testCase.direction,
                                     allBut(testCase.unavailable)),
                  testCase.expected);
    }
}

TEST(TabRing, FirstAvailableSkipsFromTheStartOfTheOrder) {
    EXPECT_EQ(app::firstAvailableInTabOrder(ring, allBut({})), inputBox);
    EXPECT_EQ(app::firstAvailableInTabOrder(ring, allBut({inputBox, resultBox})), decodeButton);
    EXPECT_EQ(app::firstAvailableInTabOrder(ring, allBut({ring.begin(), ring.end()})),
              std::nullopt);
}

}  // namespace
