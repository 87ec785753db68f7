#include "app/toolkit/win32/window_procedure.h"

#include "app/toolkit/win32/native_window.h"
#include "app/toolkit/win32/window_events.h"

namespace toolkit::win32 {

namespace {

void attachWindow(HWND frame, LPARAM creation) noexcept {
    const auto* creationData = reinterpret_cast<const CREATESTRUCTW*>(creation);
    auto* window = static_cast<Window*>(creationData->lpCreateParams);
    window->frame = frame;
    SetWindowLongPtrW(frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
}

[[nodiscard]] Window* attachedWindow(HWND frame) noexcept {
    return reinterpret_cast<Window*>(GetWindowLongPtrW(frame, GWLP_USERDATA));
}

}  // namespace

LRESULT CALLBACK mainWindowProcedure(HWND frame, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        attachWindow(frame, lParam);
    }
    Window* const window = attachedWindow(frame);
    if (window == nullptr) {
        return DefWindowProcW(frame, message, wParam, lParam);
    }
    switch (message) {
        case WM_COMMAND:
            onCommand(*window, LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
            if (const HBRUSH brush = onStaticColour(*window, reinterpret_cast<HDC>(wParam),
                                                    reinterpret_cast<HWND>(lParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_ACTIVATE:
            onActivate(*window, LOWORD(wParam));
            break;  // the default handling still gives the focus to the frame when activated
        case WM_SETFOCUS:
            onFocus(*window);
            return 0;
        case WM_DESTROY:
            onDestroy(*window);
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(frame, GWLP_USERDATA, 0);
            window->frame = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcW(frame, message, wParam, lParam);
}

}  // namespace toolkit::win32
