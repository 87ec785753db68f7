#pragma once

#include <windows.h>

namespace toolkit {
struct Window;
}

namespace toolkit::win32 {

// One message of the event loop: a key press meant for the main window goes through the
// keyboard rules first, and only what they leave to the control is translated and dispatched.
void processMessage(Window& window, const MSG& message);

}  // namespace toolkit::win32
