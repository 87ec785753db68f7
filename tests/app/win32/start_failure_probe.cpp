// The program itself, except that the operating system refuses to create one of the main
// window's native windows: start_failure_probe N makes the Nth creation fail (1 is the frame,
// 2 to 10 the controls in stacking order). The shell, the backend and the creation funnel are the
// real ones; only CreateWindowEx says no, through a hook that the system calls before it creates
// a window.
#include <windows.h>

#include <cwchar>

#include "app/start_up.h"
#include "app/toolkit/win32/window_procedure.h"
#include "app/window_definition.h"

namespace {

// A hook procedure receives no context of its own, so the count lives here.
int creationsLeft = 0;

[[nodiscard]] bool isMainWindowClass(const wchar_t* className) {
    // A class given by atom, not by name, is none of ours.
    return reinterpret_cast<ULONG_PTR>(className) > 0xFFFF &&
           std::wcscmp(className, toolkit::win32::mainWindowClassName) == 0;
}

[[nodiscard]] bool isMainWindowOrControl(const CREATESTRUCTW& creation) {
    if (isMainWindowClass(creation.lpszClass)) {
        return true;
    }
    wchar_t parentClass[64] = {};
    return creation.hwndParent != nullptr &&
           GetClassNameW(creation.hwndParent, parentClass, 64) > 0 &&
           std::wcscmp(parentClass, toolkit::win32::mainWindowClassName) == 0;
}

LRESULT CALLBACK refuseOneCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND &&
        isMainWindowOrControl(*reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs) &&
        --creationsLeft == 0) {
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR commandLine,
                    int /*showCommand*/) {
    creationsLeft = static_cast<int>(std::wcstol(commandLine, nullptr, 10));
    if (creationsLeft < 1 ||
        SetWindowsHookExW(WH_CBT, refuseOneCreation, nullptr, GetCurrentThreadId()) == nullptr) {
        return 2;
    }
    return app::runProgram(app::mainWindowDefinition);
}
