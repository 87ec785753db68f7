// Exhausted memory in the middle of a translation, in the running program: the probe refuses the
// translation's result, and from outside the test sees the fatal-error box and the exit code.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/strings.h"
#include "app/toolkit/win32/code_page_936.h"
#include "app/toolkit/win32/native_window.h"
#include "app/toolkit/win32/window_procedure.h"
#include "morse/encoder.h"
#include "tests/app/win32/gui_session.h"
#include "tests/app/win32/program_paths.h"
#include "tests/app/win32/running_program.h"

namespace {

using namespace std::chrono_literals;
using toolkit::win32::wideFromCodePage936;

[[nodiscard]] HWND controlOf(HWND frame, app::ControlId id) {
    return GetDlgItem(frame, toolkit::win32::controlIdentifier(id));
}

[[nodiscard]] HWND iconControlOf(HWND messageBox) {
    for (HWND child = FindWindowExW(messageBox, nullptr, L"Static", nullptr); child != nullptr;
         child = FindWindowExW(messageBox, child, L"Static", nullptr)) {
        if ((static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE)) & SS_TYPEMASK) == SS_ICON) {
            return child;
        }
    }
    return nullptr;
}

// The colours (0xRRGGBB) of a square picture after `paint` has drawn on it.
[[nodiscard]] std::vector<DWORD> paintedSquare(
    int side, const std::function<void(HDC context, DWORD* pixels)>& paint) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), side, -side, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC context = CreateCompatibleDC(nullptr);
    const HBITMAP picture = CreateDIBSection(context, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(context, picture);
    auto* const pixels = static_cast<DWORD*>(bits);
    paint(context, pixels);
    GdiFlush();
    std::vector<DWORD> colours(pixels, pixels + side * side);
    for (DWORD& colour : colours) {
        colour &= 0xFFFFFF;
    }
    SelectObject(context, previous);
    DeleteObject(picture);
    DeleteDC(context);
    return colours;
}

// The message box's icon is a picture, and its handle belongs to the other process; so the test
// compares what is on the screen with the system icon drawn here over the same background, taken
// from a corner, which is clear in every system icon.
[[nodiscard]] bool showsSystemIcon(HWND iconControl, const wchar_t* systemIcon) {
    RECT place{};
    GetWindowRect(iconControl, &place);
    const int side = GetSystemMetrics(SM_CXICON);
    const std::vector<DWORD> shown = paintedSquare(side, [&](HDC context, DWORD* /*pixels*/) {
        const HDC screen = GetDC(nullptr);
        BitBlt(context, 0, 0, side, side, screen, place.left, place.top, SRCCOPY);
        ReleaseDC(nullptr, screen);
    });
    const std::vector<DWORD> drawn = paintedSquare(side, [&](HDC context, DWORD* pixels) {
        std::fill(pixels, pixels + side * side, shown.front());
        DrawIconEx(context, 0, 0, LoadIconW(nullptr, systemIcon), side, side, 0, nullptr,
                   DI_NORMAL);
    });
    return shown == drawn;
}

TEST(FatalPath, AllocationFailureInATranslationEndsInTheErrorBoxAndMinusOne) {
    ASSERT_TRUE(gui::displayIsAvailable());
    // Each digit's code has five marks, so with the separator after every code the result takes
    // five times the input's bytes, while reading the input box asks for about twice as many
    // at once: only the result's request reaches the probe's limit.
    std::string input;
    for (int line = 0; line < 1000; ++line) {
        input += "0123456789\r\n";
    }
    const std::string separator = "/";
    const std::size_t resultSize =
        morse::encodeToMorse(text::ByteText{input}, text::ByteText{separator}).bytes().size();
    ASSERT_GT(resultSize, 4 * input.size());

    const RunningProgram program(probePath(), std::to_wstring(resultSize));
    ASSERT_TRUE(program.started()) << "cannot start " << GetLastError();
    const HWND frame = program.waitForWindow(toolkit::win32::mainWindowClassName);
    ASSERT_NE(frame, nullptr) << "the main window did not appear";
    const std::wstring wideInput = wideFromCodePage936(input);
    const std::wstring wideSeparator = wideFromCodePage936(separator);
    SendMessageW(controlOf(frame, app::ControlId::inputBox), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(wideInput.c_str()));
    SendMessageW(controlOf(frame, app::ControlId::separatorBox), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(wideSeparator.c_str()));
    // Posted, not sent: the press runs into the error box, which waits for a user.
    PostMessageW(controlOf(frame, app::ControlId::encodeButton), BM_CLICK, 0, 0);

    const HWND box = program.waitForWindow(L"#32770");
    ASSERT_NE(box, nullptr) << "no error box appeared";
    const gui::MessageBoxLook look = gui::lookAt(box);
    EXPECT_EQ(look.text, wideFromCodePage936(app::strings::fatalErrorHeading) + L"\r\n\r\n" +
                             wideFromCodePage936(app::strings::fatalErrorMessageLead) +
                             wideFromCodePage936(app::strings::allocationFailureLead) +
                             std::to_wstring(resultSize) +
                             wideFromCodePage936(app::strings::allocationFailureTail) + L"\r\n");
    EXPECT_EQ(look.caption, wideFromCodePage936(app::strings::fatalErrorCaption));
    const HWND icon = iconControlOf(box);
    ASSERT_NE(icon, nullptr) << "the box shows no icon";
    // Polled, because the box may not have painted itself yet.
    EXPECT_TRUE(gui::waitUntil([&] { return showsSystemIcon(icon, IDI_ERROR); }, 5s))
        << "the box's icon is not the error icon";
    EXPECT_FALSE(look.hasOwner);
    EXPECT_EQ(look.buttonCount, 1);
    EXPECT_TRUE(look.hasOkButton);
    gui::pressOk(box);
    EXPECT_EQ(program.waitForExit(), std::optional<DWORD>{0xFFFFFFFFU});
}

}  // namespace
