#include "app/toolkit/win32/creation_funnel.h"

namespace toolkit::win32 {

HWND createNativeWindow(const NativeWindowRequest& request) noexcept {
    const HWND created = CreateWindowExW(
        request.extendedStyle, request.className, request.text.c_str(), request.style,
        request.place.x, request.place.y, request.size.width, request.size.height, request.parent,
        request.menuOrIdentifier, GetModuleHandleW(nullptr), request.creationData);
    if (created == nullptr) {
        return nullptr;
    }
    SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return created;
}

ControlStyle controlStyleOf(app::ControlKind kind) noexcept {
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    // Every multi-line box scrolls itself as text grows: without ES_AUTOVSCROLL an edit control
    // refuses or cuts text that no longer fits, whether or not it has a scroll bar.
    constexpr DWORD multiLine = ES_MULTILINE | ES_AUTOVSCROLL | ES_LEFT;
    switch (kind) {
        case app::ControlKind::multiLineEditBox:
            return {L"EDIT", child | WS_TABSTOP | WS_VSCROLL | multiLine | ES_WANTRETURN,
                    WS_EX_CLIENTEDGE};
        case app::ControlKind::oneLineEditBox:
            return {L"EDIT", child | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case app::ControlKind::readOnlyTextBox:
            return {L"EDIT", child | WS_TABSTOP | multiLine | ES_READONLY, 0};
        case app::ControlKind::pushButton:
            return {L"BUTTON",
                    child | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0};
        case app::ControlKind::transparentLabel:
            // SS_CENTERIMAGE centres one line of text vertically; without SS_NOTIFY a click
            // passes through to the window, which does nothing with it.
            return {L"STATIC", child | SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_NOPREFIX,
                    WS_EX_TRANSPARENT};
    }
    return {nullptr, 0, 0};
}

}  // namespace toolkit::win32
