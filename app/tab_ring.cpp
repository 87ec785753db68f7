#include "app/tab_ring.h"

#include <algorithm>
#include <cstddef>

namespace app {

std::optional<ControlId> firstAvailableInTabOrder(std::span<const ControlId> tabOrder,
                                                  const FocusAvailability& isAvailable) {
    const auto found = std::ranges::find_if(tabOrder, isAvailable);
    if (found == tabOrder.end()) {
        return std::nullopt;
    }
    return *found;
}

std::optional<ControlId> stepInTabRing(std::span<const ControlId> tabOrder,
                                       std::optional<ControlId> current, TabDirection direction,
                                       const FocusAvailability& isAvailable) {
    const std::size_t count = tabOrder.size();
    if (count == 0) {
        return std::nullopt;
    }
    const auto found = current ? std::ranges::find(tabOrder, *current) : tabOrder.end();
    // Starting just outside the ring makes the first step land on the first (or last) control.
    const std::size_t start = found != tabOrder.end()
                                  ? static_cast<std::size_t>(found - tabOrder.begin())
                                  : (direction == TabDirection::forward ? count - 1 : 0);
    for (std::size_t step = 1; step <= count; ++step) {
        const std::size_t position = direction == TabDirection::forward
                                         ? (start + step) % count
                                         : (start + count - step % count) % count;
        if (isAvailable(tabOrder[position])) {
            return tabOrder[position];
        }
    }
    return std::nullopt;
}

}  // namespace app
