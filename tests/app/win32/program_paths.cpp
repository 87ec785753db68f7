#include "tests/app/win32/program_paths.h"

#include <windows.h>

#include <cstring>

namespace {

[[nodiscard]] std::wstring ownDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

[[nodiscard]] std::wstring wide(const char* ascii) {
    return {ascii, ascii + std::strlen(ascii)};
}

}  // namespace

// The build passes both paths relative to this program's directory.
std::wstring programPath() {
    return ownDirectory() + wide(MORSE_PROGRAM_RELATIVE_PATH);
}
std::wstring probePath() {
    return ownDirectory() + wide(MORSE_PROBE_RELATIVE_PATH);
}
