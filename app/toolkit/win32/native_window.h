#pragma once

// What the Win32 backend keeps of the main window. The frame's window procedure finds it through
// the frame's user data, so no handle lives in a global.

#include <windows.h>

#include <array>
#include <optional>

#include "app/toolkit/toolkit.h"
#include "app/toolkit/win32/accessibility.h"
#include "app/window_definition.h"

namespace toolkit {

struct Window {
    explicit Window(const app::WindowDefinition& windowDefinition) noexcept
        : definition(windowDefinition) {}

    const app::WindowDefinition& definition;
    HWND frame = nullptr;
    std::array<HWND, app::controlCount> controls{};  // by app::indexOf
    HWND focusAtDeactivation = nullptr;
    // Set once the menu and every control exist. Until then, destroying the frame (because
    // creation failed half-way) must not ask the event loop to stop: the request would close the
    // error box that reports the failure as soon as it opens.
    bool complete = false;
    win32::ComApartment apartment;
};

}  // namespace toolkit

namespace toolkit::win32 {

[[nodiscard]] inline HWND controlHandle(const Window& window, app::ControlId id) noexcept {
    return window.controls[app::indexOf(id)];
}

// The control whose native handle is `handle`; none for the frame, a foreign window or null.
[[nodiscard]] std::optional<app::ControlId> controlOfHandle(const Window& window,
                                                            HWND handle) noexcept;

// Child window identifiers: the controls from 100, the menu items from 200, so that a WM_COMMAND
// tells them apart.
[[nodiscard]] constexpr int controlIdentifier(app::ControlId id) noexcept {
    return 100 + static_cast<int>(app::indexOf(id));
}
[[nodiscard]] constexpr int menuItemIdentifier(std::size_t item) noexcept {
    return 200 + static_cast<int>(item);
}

}  // namespace toolkit::win32
