#pragma once

// What the buttons and menu items do, written only against the toolkit's verbs. Each runs to its
// end inside the event that started it and reports nothing.

#include "app/toolkit/toolkit.h"

namespace app {

// Translate the input box into the result box. With an empty input box nothing happens, the
// result box keeps what it holds and the separator box is not read. Otherwise the result box is
// emptied and then receives the whole translation in one piece (possibly the empty text).
void encodeCommand(toolkit::Window& window);
void decodeCommand(toolkit::Window& window);

// Show the help text or the credit in a box with an empty caption, an OK button and no icon.
void helpCommand(toolkit::Window& window);
void aboutCommand(toolkit::Window& window);

}  // namespace app
