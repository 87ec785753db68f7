#pragma once

// The verbs that the shell needs from a windowing toolkit. Each backend (one folder under
// app/toolkit/) defines all of them and the Window type; the program links exactly one backend.
// Texts cross this line as code page 936 ByteText with CR LF line breaks, whatever the backend's
// own text is.

#include <memory>

#include "app/window_definition.h"
#include "text/byte_text.h"

namespace toolkit {

// The live main window with its controls; what it holds is the backend's business.
struct Window;

struct WindowDeleter {
    void operator()(Window* window) const noexcept;
};

// Destroys the native window if it still exists.
using WindowPtr = std::unique_ptr<Window, WindowDeleter>;

struct ScreenSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

enum class MessageIcon { none, error };

// The full size of the primary screen, task bar included.
[[nodiscard]] ScreenSize primaryScreenSize();

// Creates the window, hidden, with its outer top-left corner at `topLeft`, then its menu and its
// controls in stacking order. Empty when the window, its menu or any control cannot be created;
// nothing of it is left on the screen then.
[[nodiscard]] WindowPtr createMainWindow(const app::WindowDefinition& definition,
                                         app::Point topLeft);

// Shows and activates the window; the focus goes where the focus rule puts it.
void showMainWindow(Window& window);

// Takes the events of the thread's windows until the main window has been destroyed, handling
// Tab, Shift+Tab, Esc and Enter for the main window before its controls see them. The exit code
// of the stop request: 0 once the window is gone.
[[nodiscard]] int runEventLoop(Window& window);

// The box's whole text, nothing trimmed; the empty text for an empty box. A character that code
// page 936 cannot hold reads as a placeholder that no translation recognises.
[[nodiscard]] text::ByteText readBoxText(Window& window, app::ControlId box);

// Replaces the box's whole text; the box's undo has nothing to take back afterwards.
void setBoxText(Window& window, app::ControlId box, const text::ByteText& text);

// Puts the caret at the end, scrolls it into view and inserts the text there as an edit that undo
// cannot take back; the caret ends after it. Works on read-only boxes too.
void appendBoxText(Window& window, app::ControlId box, const text::ByteText& text);

// A modal box with one OK button and no owner; every window of the thread is disabled until the
// user closes it. An empty caption gives an empty title bar.
void showMessageBox(const text::ByteText& message, const text::ByteText& caption, MessageIcon icon);

// Ends the process at once with the exit code.
[[noreturn]] void endProcess(int exitCode);

}  // namespace toolkit
