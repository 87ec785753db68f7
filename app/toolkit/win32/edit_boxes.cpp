// The verbs on edit boxes. Texts pass through code page 936 here and nowhere else.
#include <exception>
#include <string>

#include "app/toolkit/win32/code_page_936.h"
#include "app/toolkit/win32/native_window.h"
#include "text/text_memory.h"

namespace toolkit {

text::ByteText readBoxText(Window& window, app::ControlId box) {
    const HWND control = win32::controlHandle(window, box);
    const auto length = static_cast<std::size_t>(GetWindowTextLengthW(control));
    std::wstring wide;
    try {
        wide.resize(length + 1);
    } catch (const std::exception&) {
        text::reportTextAllocationFailure((length + 1) * sizeof(wchar_t));
    }
    const int copied = GetWindowTextW(control, wide.data(), static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(copied));
    return win32::codePage936FromWide(wide);
}

void setBoxText(Window& window, app::ControlId box, const text::ByteText& text) {
    const HWND control = win32::controlHandle(window, box);
    SetWindowTextW(control, win32::wideFromCodePage936(text.bytes()).c_str());
    SendMessageW(control, EM_EMPTYUNDOBUFFER, 0, 0);
}

void appendBoxText(Window& window, app::ControlId box, const text::ByteText& text) {
    const HWND control = win32::controlHandle(window, box);
    const std::wstring wide = win32::wideFromCodePage936(text.bytes());
    const auto end = static_cast<WPARAM>(GetWindowTextLengthW(control));
    SendMessageW(control, EM_SETSEL, end, static_cast<LPARAM>(end));
    SendMessageW(control, EM_SCROLLCARET, 0, 0);
    // FALSE: the box's undo cannot take the insertion back.
    SendMessageW(control, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
}

}  // namespace toolkit
