#pragma once

// Where the window goes and how tall a one-line box must be: the two layout values that depend on
// the platform's screen and font.

#include <cstdint>

#include "app/toolkit/toolkit.h"
#include "app/window_definition.h"

namespace app {

// The outer top-left corner that centres a window of `outerSize` on the whole screen: half of
// each difference, the remainder dropped toward zero, so a window larger than the screen gets a
// negative corner (a difference of -3 gives -1, not -2).
[[nodiscard]] Point centredOnScreen(Size outerSize, toolkit::ScreenSize screen) noexcept;

// A one-line box less high than its font's line plus the sunken edge above and below is raised
// to that sum; a box that is high enough keeps its height.
[[nodiscard]] std::int32_t oneLineBoxHeight(std::int32_t definedHeight, std::int32_t lineHeight,
                                            std::int32_t edgeHeight) noexcept;

}  // namespace app
