#pragma once

// What the main window does with a key press before the focused control sees it. Only Tab,
// Shift+Tab and Esc are taken by the window itself, and Enter is kept away from every control in
// which it would not start a new line (a one-line box would beep, a button might be pressed).

#include <optional>

#include "app/window_definition.h"

namespace app {

enum class Key { tab, escape, enter, f1, other };

struct KeyModifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
};

enum class KeyAction {
    passToControl,  // the focused control gets the key as usual
    focusNext,
    focusPrevious,
    closeWindow,  // exactly as the close button does
    swallow,      // nothing happens at all
};

// `focused` is the kind of the control that has the focus, none when no control has it. Keys
// with Ctrl or Alt, and Esc or Enter with Shift, always go to the control.
[[nodiscard]] KeyAction keyActionFor(Key key, KeyModifiers modifiers,
                                     std::optional<ControlKind> focused) noexcept;

}  // namespace app
