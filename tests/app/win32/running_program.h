#pragma once

// A program started as its own process, watched from outside as a user would see it: its
// top-level windows and, once it has ended, its exit code. A program still running when this
// object goes away is terminated, so that a failing test leaves nothing behind.

#include <windows.h>

#include <optional>
#include <string>

class RunningProgram {
public:
    RunningProgram(const std::wstring& path, const std::wstring& arguments);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    [[nodiscard]] bool started() const { return started_; }

    // The first visible top-level window of the process whose class is `windowClass`, waiting up
    // to 30 seconds for it to appear; null if none did.
    [[nodiscard]] HWND waitForWindow(const std::wstring& windowClass) const;

    // The same without waiting.
    [[nodiscard]] HWND topLevelWindow(const std::wstring& windowClass) const;

    // The exit code once the process has ended, or none if it still runs after 20 seconds.
    [[nodiscard]] std::optional<DWORD> waitForExit() const;

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};
