#pragma once

// One handler for each message of the frame that the program acts on.

#include <windows.h>

namespace toolkit {
struct Window;
}

namespace toolkit::win32 {

// A button click or a menu choice runs the command bound to it in the window definition.
void onCommand(Window& window, WORD identifier, WORD notification);

// The labels are drawn on nothing, so the window's background shows through them, and the
// read-only help box on the window's colour. Null for any other control: the default applies.
[[nodiscard]] HBRUSH onStaticColour(const Window& window, HDC context, HWND control) noexcept;

// Remembers the focused control when the window is deactivated.
void onActivate(Window& window, WORD state) noexcept;

// The focus rule: the window passes the focus on to the control remembered at deactivation if it
// is still there, otherwise to the first available control of the tab order.
void onFocus(Window& window) noexcept;

// Once the complete window goes, the event loop is asked to stop with exit code 0.
void onDestroy(Window& window) noexcept;

}  // namespace toolkit::win32
