#include "app/start_up.h"

#include "app/fatal_error.h"
#include "app/placement.h"
#include "app/strings.h"
#include "app/toolkit/toolkit.h"

namespace app {

int runProgram(const WindowDefinition& definition) {
    if (!isWellFormed(definition)) {
        reportFatalError(text::ByteText{strings::windowDefinitionUnusable});
    }
    const toolkit::WindowPtr window = toolkit::createMainWindow(
        definition, centredOnScreen(definition.outerSize, toolkit::primaryScreenSize()));
    if (!window) {
        reportFatalError(text::ByteText{strings::mainWindowNotCreated});
    }
    toolkit::showMainWindow(*window);
    return toolkit::runEventLoop(*window);
}

}  // namespace app
