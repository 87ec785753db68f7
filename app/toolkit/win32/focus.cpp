#include "app/toolkit/win32/focus.h"

#include "app/toolkit/win32/native_window.h"

namespace toolkit::win32 {

namespace {

[[nodiscard]] app::FocusAvailability visibleAndEnabled(const Window& window) {
    return [&window](app::ControlId id) {
        const HWND control = controlHandle(window, id);
        return control != nullptr && IsWindowVisible(control) && IsWindowEnabled(control);
    };
}

void focusControl(const Window& window, std::optional<app::ControlId> id) noexcept {
    if (id) {
        SetFocus(controlHandle(window, *id));
    }
}

}  // namespace

std::optional<app::ControlId> focusedControl(const Window& window) noexcept {
    return controlOfHandle(window, GetFocus());
}

void moveFocusAlongRing(Window& window, app::TabDirection direction) noexcept {
    focusControl(window, app::stepInTabRing(window.definition.tabOrder, focusedControl(window),
                                            direction, visibleAndEnabled(window)));
}

void rememberFocus(Window& window) noexcept {
    if (const HWND focus = GetFocus(); focus != nullptr && IsChild(window.frame, focus)) {
        window.focusAtDeactivation = focus;
    }
}

void restoreFocus(Window& window) noexcept {
    const HWND remembered = window.focusAtDeactivation;
    window.focusAtDeactivation = nullptr;
    if (remembered != nullptr && IsWindow(remembered) && IsChild(window.frame, remembered)) {
        SetFocus(remembered);
        return;
    }
    focusControl(window, app::firstAvailableInTabOrder(window.definition.tabOrder,
                                                       visibleAndEnabled(window)));
}

}  // namespace toolkit::win32
