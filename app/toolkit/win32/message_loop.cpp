#include "app/toolkit/win32/message_loop.h"

#include "app/keyboard_rules.h"
#include "app/toolkit/win32/focus.h"
#include "app/toolkit/win32/native_window.h"

namespace toolkit::win32 {

namespace {

[[nodiscard]] app::Key keyOf(WPARAM virtualKey) noexcept {
    switch (virtualKey) {
        case VK_TAB:
            return app::Key::tab;
        case VK_ESCAPE:
            return app::Key::escape;
        case VK_RETURN:
            return app::Key::enter;
        case VK_F1:
            return app::Key::f1;
        default:
            return app::Key::other;
    }
}

[[nodiscard]] bool isDown(int virtualKey) noexcept {
    return GetKeyState(virtualKey) < 0;
}

[[nodiscard]] bool belongsToWindow(const Window& window, HWND target) noexcept {
    return window.frame != nullptr && (target == window.frame || IsChild(window.frame, target));
}

// True when the window has dealt with the key and the control must not see it.
[[nodiscard]] bool applyKeyboardRules(Window& window, WPARAM virtualKey) {
    const std::optional<app::ControlId> focused = focusedControl(window);
    const std::optional<app::ControlKind> focusedKind =
        focused ? std::optional{app::controlOf(window.definition, *focused).kind} : std::nullopt;
    const app::KeyModifiers modifiers{
        .shift = isDown(VK_SHIFT), .control = isDown(VK_CONTROL), .alt = isDown(VK_MENU)};
    switch (app::keyActionFor(keyOf(virtualKey), modifiers, focusedKind)) {
        case app::KeyAction::passToControl:
            return false;
        case app::KeyAction::focusNext:
            moveFocusAlongRing(window, app::TabDirection::forward);
            return true;
        case app::KeyAction::focusPrevious:
            moveFocusAlongRing(window, app::TabDirection::backward);
            return true;
        case app::KeyAction::closeWindow:
            SendMessageW(window.frame, WM_SYSCOMMAND, SC_CLOSE, 0);
            return true;
        case app::KeyAction::swallow:
            return true;
    }
    return false;
}

}  // namespace

void processMessage(Window& window, const MSG& message) {
    if (message.message == WM_KEYDOWN && belongsToWindow(window, message.hwnd) &&
        applyKeyboardRules(window, message.wParam)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace toolkit::win32

namespace toolkit {

int runEventLoop(Window& window) {
    MSG message{};
    // GetMessage gives 0 for the stop request; -1 only for an invalid window filter, and there
    // is none here.
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        win32::processMessage(window, message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace toolkit
