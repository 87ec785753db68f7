#pragma once

// Every native window of the program, the frame and each control, is created here: created,
// given the default user-interface font, and checked.

#include <windows.h>

#include <string>

#include "app/window_definition.h"

namespace toolkit::win32 {

struct NativeWindowRequest {
    const wchar_t* className = nullptr;
    const std::wstring& text;
    DWORD style = 0;
    DWORD extendedStyle = 0;
    app::Point place;
    app::Size size;
    HWND parent = nullptr;
    HMENU menuOrIdentifier = nullptr;  // the menu bar of a frame, the identifier of a control
    void* creationData = nullptr;      // handed to the window procedure with WM_NCCREATE
};

// The new window, or null when it could not be created.
[[nodiscard]] HWND createNativeWindow(const NativeWindowRequest& request) noexcept;

// The class, styles and extended styles that give a control of `kind` its look and behaviour.
struct ControlStyle {
    const wchar_t* className;
    DWORD style;
    DWORD extendedStyle;
};
[[nodiscard]] ControlStyle controlStyleOf(app::ControlKind kind) noexcept;

}  // namespace toolkit::win32
