#pragma once

#include <string>

// The built program and the start-failure probe, found from this test program's own place in
// the build tree, so that the paths work under Wine and on Windows alike.
[[nodiscard]] std::wstring programPath();
[[nodiscard]] std::wstring probePath();
