#pragma once

// Where the keyboard focus goes inside the main window: along the tab ring, and back to the
// right control when the window is activated again.

#include <optional>

#include "app/tab_ring.h"
#include "app/window_definition.h"

namespace toolkit {
struct Window;
}

namespace toolkit::win32 {

// The control of the window that has the focus now; none when the focus is elsewhere.
[[nodiscard]] std::optional<app::ControlId> focusedControl(const Window& window) noexcept;

// Moves the focus to the next or previous visible and enabled control of the tab ring.
void moveFocusAlongRing(Window& window, app::TabDirection direction) noexcept;

void rememberFocus(Window& window) noexcept;
void restoreFocus(Window& window) noexcept;

}  // namespace toolkit::win32
