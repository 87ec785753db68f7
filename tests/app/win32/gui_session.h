#pragma once

// What the Windows tests need to act like a user on a real desktop: a display, key presses and
// clicks through the real input path (SendInput), and a look at message boxes from outside.

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>

namespace gui {

// Under Wine the display comes from the DISPLAY variable; without it every window test would fail
// in obscure ways, so the fixtures check it first and say so.
[[nodiscard]] testing::AssertionResult displayIsAvailable();

enum class Shift { up, down };

// One key pressed and released, with Shift held around it if asked.
void pressKey(WORD virtualKey, Shift shift = Shift::up);

// Ctrl or Alt held around one key.
void pressWithControl(WORD virtualKey);
void pressWithAlt(WORD virtualKey);

// Types the characters as the keyboard would deliver them, surrogate pairs included.
void typeText(std::wstring_view characters);

// A left click at a point of the screen.
void clickAt(POINT screenPoint);

// Waits, up to `timeout`, until `condition` holds, polling; true if it did.
[[nodiscard]] bool waitUntil(const std::function<bool()>& condition,
                             std::chrono::milliseconds timeout);

[[nodiscard]] std::wstring windowText(HWND window);
[[nodiscard]] std::wstring className(HWND window);

// A visible message box (#32770) of the thread, or null.
[[nodiscard]] HWND findMessageBox(DWORD threadId);

// What a message box shows, read from another thread or process.
struct MessageBoxLook {
    std::wstring caption;
    std::wstring text;
    int buttonCount = 0;
    bool hasOkButton = false;
    bool hasIcon = false;
    bool hasOwner = true;
};
[[nodiscard]] MessageBoxLook lookAt(HWND messageBox);

// Presses the box's OK button.
void pressOk(HWND messageBox);

}  // namespace gui
