#pragma once

// The main window described as data: its controls with their kinds, places, sizes and texts in
// stacking order, the tab order, the menu, and which command each button and menu item runs.
// Backends build the native window from this description and nothing else.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace toolkit {
struct Window;
}

namespace app {

// A command runs on the event-loop thread with the window whose control or menu started it.
using Command = void (*)(toolkit::Window& window);

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Identifies a control independently of where it stands in the stacking order. The values run
// from 0 to controlCount - 1 so that backends can keep one native handle per control in an array.
enum class ControlId : std::uint8_t {
    helpBox,
    encodeButton,
    separatorBox,
    separatorLabel,
    decodeButton,
    resultBox,
    resultLabel,
    inputBox,
    inputLabel,
};
inline constexpr std::size_t controlCount = 9;

[[nodiscard]] constexpr std::size_t indexOf(ControlId id) noexcept {
    return static_cast<std::size_t>(id);
}

enum class ControlKind : std::uint8_t {
    multiLineEditBox,  // editable, wraps, vertical scroll bar always shown, sunken edge
    oneLineEditBox,    // editable, scrolls sideways with the caret, sunken edge
    readOnlyTextBox,   // multi-line, wraps, no border or scroll bar, on the window's colour
    pushButton,        // never a default button
    transparentLabel,  // one line of text, never focused, ignores mouse and keyboard
};

// Labels are the only controls that the keyboard focus never reaches.
[[nodiscard]] constexpr bool takesFocus(ControlKind kind) noexcept {
    return kind != ControlKind::transparentLabel;
}

struct ControlDefinition {
    ControlId id;
    ControlKind kind;
    std::string_view name;  // the control's name in the design, UTF-8, for developers and tests
    Point place;            // top-left corner in the client area
    Size size;
    std::string_view text;                     // code page 936
    Command onClick = nullptr;                 // buttons only
    std::optional<ControlId> labelledBy = {};  // the label whose text names this box
};

struct MenuItemDefinition {
    std::string_view text;  // code page 936
    Command onChoose = nullptr;
};

struct MenuDefinition {
    std::string_view title;  // code page 936
    std::array<MenuItemDefinition, 2> items;
};

inline constexpr std::size_t tabStopCount = 6;

struct WindowDefinition {
    std::string_view caption;                              // code page 936
    Size outerSize;                                        // frame, title bar and menu bar included
    std::array<ControlDefinition, controlCount> controls;  // stacking order, topmost first
    std::array<ControlId, tabStopCount> tabOrder;
    MenuDefinition menu;
};

// The row of `id`; a definition that passes isWellFormed has exactly one.
[[nodiscard]] const ControlDefinition& controlOf(const WindowDefinition& definition, ControlId id);

// Whether a backend can build the window from the definition: every control exactly once with a
// known kind, a positive size and a place inside the outer size; the tab order holds exactly the
// controls that take the focus; every button and menu item has a command and nothing else has
// one; every box's label is a label.
[[nodiscard]] bool isWellFormed(const WindowDefinition& definition) noexcept;

// The program's one window.
extern const WindowDefinition mainWindowDefinition;

}  // namespace app
