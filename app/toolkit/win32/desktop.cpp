// The verbs that need no window: the screen, message boxes and the end of the process.
#include <windows.h>

#include "app/toolkit/toolkit.h"
#include "app/toolkit/win32/code_page_936.h"

namespace toolkit {

ScreenSize primaryScreenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void showMessageBox(const text::ByteText& message, const text::ByteText& caption,
                    MessageIcon icon) {
    // Without an owner, MB_TASKMODAL is what disables every window of the thread while the box
    // is open.
    const UINT style = MB_OK | MB_TASKMODAL | (icon == MessageIcon::error ? MB_ICONERROR : 0U);
    MessageBoxW(nullptr, win32::wideFromCodePage936(message.bytes()).c_str(),
                win32::wideFromCodePage936(caption.bytes()).c_str(), style);
}

void endProcess(int exitCode) {
    ExitProcess(static_cast<UINT>(exitCode));
}

}  // namespace toolkit
