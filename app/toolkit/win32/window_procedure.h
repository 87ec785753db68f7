#pragma once

#include <windows.h>

namespace toolkit::win32 {

// The frame's class name, the same in every build.
inline constexpr const wchar_t* mainWindowClassName = L"MorseCodeMainWindow";

// The frame's window procedure. It only finds the window's state and hands each message that
// the program cares about to its handler; everything else goes to DefWindowProc.
LRESULT CALLBACK mainWindowProcedure(HWND frame, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept;

}  // namespace toolkit::win32
