// The program's entry point: the command line is not read.
#include <windows.h>

#include "app/start_up.h"
#include "app/window_definition.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*showCommand*/) {
    return app::runProgram(app::mainWindowDefinition);
}
