#include "app/toolkit/win32/native_window.h"

#include <algorithm>

namespace toolkit::win32 {

std::optional<app::ControlId> controlOfHandle(const Window& window, HWND handle) noexcept {
    if (handle == nullptr) {
        return std::nullopt;
    }
    const auto found = std::ranges::find(window.controls, handle);
    if (found == window.controls.end()) {
        return std::nullopt;
    }
    return static_cast<app::ControlId>(found - window.controls.begin());
}

}  // namespace toolkit::win32
