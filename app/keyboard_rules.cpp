#include "app/keyboard_rules.h"

namespace app {

KeyAction keyActionFor(Key key, KeyModifiers modifiers,
                       std::optional<ControlKind> focused) noexcept {
    if (modifiers.control || modifiers.alt) {
        return KeyAction::passToControl;
    }
    switch (key) {
        case Key::tab:
            return modifiers.shift ? KeyAction::focusPrevious : KeyAction::focusNext;
        case Key::escape:
            return modifiers.shift ? KeyAction::passToControl : KeyAction::closeWindow;
        case Key::enter:
            if (modifiers.shift || focused == ControlKind::multiLineEditBox) {
                return KeyAction::passToControl;
            }
            return KeyAction::swallow;
        case Key::f1:
        case Key::other:
            return KeyAction::passToControl;
    }
    return KeyAction::passToControl;
}

}  // namespace app
