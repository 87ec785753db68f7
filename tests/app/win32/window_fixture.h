#pragma once

// The real main window, created in the test's own process and driven through the backend's own
// message handling, so that keys pass the same keyboard rules as in the program.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "app/toolkit/toolkit.h"
#include "app/toolkit/win32/native_window.h"
#include "app/window_definition.h"
#include "tests/app/win32/gui_session.h"

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Closes the window if it is open and opens a new one, shown and focused.
    void openWindow();

    [[nodiscard]] HWND frame() const { return window_->frame; }
    [[nodiscard]] HWND control(app::ControlId id) const {
        return toolkit::win32::controlHandle(*window_, id);
    }
    [[nodiscard]] toolkit::Window& window() { return *window_; }
    [[nodiscard]] bool windowIsOpen() const { return window_->frame != nullptr; }

    // Handles every waiting message until the queue has stayed empty for a moment. A stop request
    // of the event loop is kept in stopRequest instead of being handled.
    void settle();

    // Key presses and typing through the real input path, then settle().
    void press(WORD virtualKey, gui::Shift shift = gui::Shift::up);
    void pressWithControl(WORD virtualKey);
    void type(std::wstring_view characters);

    void focus(app::ControlId id);
    [[nodiscard]] std::optional<app::ControlId> focused() const;

    // The box's text through the backend's verbs, in code page 936.
    void setText(app::ControlId box, std::string_view bytes);
    [[nodiscard]] std::string text(app::ControlId box);

    // The box's text as the control holds it.
    [[nodiscard]] std::wstring wideText(app::ControlId box) const {
        return gui::windowText(control(box));
    }

    // Makes the main window the active one, as a user returning to it would.
    void activate();

    // Runs `open`, which shows a message box on this thread, while another thread waits for the
    // box, records it and the state of the main window, and presses OK. Empty if no box came.
    struct SeenMessageBox {
        gui::MessageBoxLook look;
        bool mainWindowEnabledMeanwhile = true;
    };
    [[nodiscard]] std::optional<SeenMessageBox> watchMessageBox(const std::function<void()>& open);

    std::optional<WPARAM> stopRequest;

private:
    void closeWindow();

    toolkit::WindowPtr window_;
};
