#include "app/window_definition.h"

#include <algorithm>
#include <exception>

namespace app {

namespace {

[[nodiscard]] bool isKnownKind(ControlKind kind) noexcept {
    switch (kind) {
        case ControlKind::multiLineEditBox:
        case ControlKind::oneLineEditBox:
        case ControlKind::readOnlyTextBox:
        case ControlKind::pushButton:
        case ControlKind::transparentLabel:
            return true;
    }
    return false;
}

[[nodiscard]] bool liesInside(const ControlDefinition& control, Size outerSize) noexcept {
    return control.place.x >= 0 && control.place.y >= 0 && control.size.width > 0 &&
           control.size.height > 0 && control.place.x + control.size.width <= outerSize.width &&
           control.place.y + control.size.height <= outerSize.height;
}

[[nodiscard]] const ControlDefinition* findControl(const WindowDefinition& definition,
                                                   ControlId id) noexcept {
    const auto found = std::ranges::find(definition.controls, id, &ControlDefinition::id);
    return found != definition.controls.end() ? &*found : nullptr;
}

[[nodiscard]] bool hasEveryControlOnce(const WindowDefinition& definition) noexcept {
    for (std::size_t index = 0; index < controlCount; ++index) {
        if (std::ranges::count(definition.controls, static_cast<ControlId>(index),
                               &ControlDefinition::id) != 1) {
            return false;
        }
    }
    return true;
}

[[nodiscard]] bool isSoundControl(const WindowDefinition& definition,
                                  const ControlDefinition& control) noexcept {
    if (!isKnownKind(control.kind) || !liesInside(control, definition.outerSize)) {
        return false;
    }
    if ((control.kind == ControlKind::pushButton) != (control.onClick != nullptr)) {
        return false;
    }
    if (control.labelledBy) {
        const ControlDefinition* label = findControl(definition, *control.labelledBy);
        if (label == nullptr || label->kind != ControlKind::transparentLabel) {
            return false;
        }
    }
    return true;
}

// Exactly the controls that take the focus, each once: a control missing from the order could
// never be reached by Tab, and a label in it would take the focus.
[[nodiscard]] bool isCompleteTabOrder(const WindowDefinition& definition) noexcept {
    for (const ControlDefinition& control : definition.controls) {
        const auto occurrences = std::ranges::count(definition.tabOrder, control.id);
        if (occurrences != (takesFocus(control.kind) ? 1 : 0)) {
            return false;
        }
    }
    return std::ranges::all_of(definition.tabOrder, [&definition](ControlId id) {
        return findControl(definition, id) != nullptr;
    });
}

}  // namespace

const ControlDefinition& controlOf(const WindowDefinition& definition, ControlId id) {
    const ControlDefinition* control = findControl(definition, id);
    if (control == nullptr) {
        std::terminate();
    }
    return *control;
}

bool isWellFormed(const WindowDefinition& definition) noexcept {
    if (!hasEveryControlOnce(definition) || !isCompleteTabOrder(definition)) {
        return false;
    }
    const bool controlsSound =
        std::ranges::all_of(definition.controls, [&definition](const ControlDefinition& control) {
            return isSoundControl(definition, control);
        });
    const bool menuSound = std::ranges::all_of(
        definition.menu.items,
        [](const MenuItemDefinition& item) { return item.onChoose != nullptr; });
    return controlsSound && menuSound && definition.outerSize.width > 0 &&
           definition.outerSize.height > 0;
}

}  // namespace app
