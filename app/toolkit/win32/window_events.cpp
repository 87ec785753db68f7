#include "app/toolkit/win32/window_events.h"

#include "app/toolkit/win32/focus.h"
#include "app/toolkit/win32/native_window.h"

namespace toolkit::win32 {

namespace {

[[nodiscard]] app::Command commandFor(const Window& window, WORD identifier) noexcept {
    for (const app::ControlDefinition& control : window.definition.controls) {
        if (controlIdentifier(control.id) == identifier) {
            return control.onClick;
        }
    }
    const auto& items = window.definition.menu.items;
    for (std::size_t item = 0; item < items.size(); ++item) {
        if (menuItemIdentifier(item) == identifier) {
            return items[item].onChoose;
        }
    }
    return nullptr;
}

}  // namespace

void onCommand(Window& window, WORD identifier, WORD notification) {
    // BN_CLICKED and a menu choice both arrive with notification 0.
    if (notification != BN_CLICKED) {
        return;
    }
    if (const app::Command command = commandFor(window, identifier)) {
        command(window);
    }
}

HBRUSH onStaticColour(const Window& window, HDC context, HWND control) noexcept {
    const std::optional<app::ControlId> id = controlOfHandle(window, control);
    if (!id) {
        return nullptr;
    }
    switch (app::controlOf(window.definition, *id).kind) {
        case app::ControlKind::transparentLabel:
            SetBkMode(context, TRANSPARENT);
            return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
        case app::ControlKind::readOnlyTextBox:
            SetBkColor(context, GetSysColor(COLOR_BTNFACE));
            return GetSysColorBrush(COLOR_BTNFACE);
        default:
            return nullptr;
    }
}

void onActivate(Window& window, WORD state) noexcept {
    if (state == WA_INACTIVE) {
        rememberFocus(window);
    }
}

void onFocus(Window& window) noexcept {
    restoreFocus(window);
}

void onDestroy(Window& window) noexcept {
    clearBoxNames(window);
    if (window.complete) {
        PostQuitMessage(0);
    }
}

}  // namespace toolkit::win32
