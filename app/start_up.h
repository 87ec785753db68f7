#pragma once

#include "app/window_definition.h"

namespace app {

// The life of the process: checks the definition, creates the window centred on the primary
// screen, shows it and runs the event loop. Returns the loop's exit code (0 once the window is
// closed); a definition that cannot be used or a window that cannot be created ends the process
// through reportFatalError instead.
[[nodiscard]] int runProgram(const WindowDefinition& definition);

}  // namespace app
