// The byte-text library leaves the report of exhausted memory to the program that links it; the
// desktop program ends through its fatal-error box.
#include "app/fatal_error.h"
#include "app/toolkit/toolkit.h"
#include "text/text_memory.h"

namespace text {

void reportTextAllocationFailure(std::size_t requestedBytes) {
    // Making the report needs a little memory of its own. Should even that fail, the report
    // would call itself without end: the second failure ends the process with the same code,
    // without a box. Only one thread ever gets here, so a plain flag suffices.
    static bool reporting = false;
    if (reporting) {
        toolkit::endProcess(app::fatalExitCode);
    }
    reporting = true;
    app::reportFatalError(app::allocationFailureMessage(requestedBytes));
}

}  // namespace text
