#include "tests/app/win32/running_program.h"

#include <chrono>

#include "tests/app/win32/gui_session.h"

namespace {

using namespace std::chrono_literals;

struct WindowSearch {
    DWORD processId;
    const std::wstring& windowClass;
    HWND found = nullptr;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) &&
        gui::className(window) == search->windowClass) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

RunningProgram::RunningProgram(const std::wstring& path, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + path + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    started_ = CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &process_) != FALSE;
}

RunningProgram::~RunningProgram() {
    if (started_) {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 99);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
}

HWND RunningProgram::waitForWindow(const std::wstring& windowClass) const {
    HWND found = nullptr;
    static_cast<void>(
        gui::waitUntil([&] { return (found = topLevelWindow(windowClass)) != nullptr; }, 30s));
    return found;
}

HWND RunningProgram::topLevelWindow(const std::wstring& windowClass) const {
    WindowSearch search{process_.dwProcessId, windowClass};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::optional<DWORD> RunningProgram::waitForExit() const {
    if (WaitForSingleObject(process_.hProcess, 20000) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(process_.hProcess, &exitCode);
    return exitCode;
}
