#pragma once

// The tab order read as a ring: after the last control comes the first again. Which controls can
// take the focus right now (visible and enabled) is the backend's knowledge, passed in as a
// predicate.

#include <functional>
#include <optional>
#include <span>

#include "app/window_definition.h"

namespace app {

enum class TabDirection { forward, backward };

using FocusAvailability = std::function<bool(ControlId)>;

// The first control of the tab order that can take the focus; none when no control can.
[[nodiscard]] std::optional<ControlId> firstAvailableInTabOrder(
    std::span<const ControlId> tabOrder, const FocusAvailability& isAvailable);

// The next (or previous) control of the ring after `current` that can take the focus, skipping
// those that cannot; `current` itself when it is the only one. With no current control or one
// outside the ring, the first (or last) available control of the order; none when no control can
// take the focus.
[[nodiscard]] std::optional<ControlId> stepInTabRing(std::span<const ControlId> tabOrder,
                                                     std::optional<ControlId> current,
                                                     TabDirection direction,
                                                     const FocusAvailability& isAvailable);

}  // namespace app
