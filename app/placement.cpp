#include "app/placement.h"

#include <algorithm>

namespace app {

Point centredOnScreen(Size outerSize, toolkit::ScreenSize screen) noexcept {
    // Integer division in C++ truncates toward zero, which is the rule for a screen smaller than
    // the window as well.
    return {(screen.width - outerSize.width) / 2, (screen.height - outerSize.height) / 2};
}

std::int32_t oneLineBoxHeight(std::int32_t definedHeight, std::int32_t lineHeight,
                              std::int32_t edgeHeight) noexcept {
    return std::max(definedHeight, lineHeight + 2 * edgeHeight);
}

}  // namespace app
