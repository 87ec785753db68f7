// The built program as a user meets it: started as a process, closed in each of the ways a user
// has, and the fatal start-up path with its error box.
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "app/strings.h"
#include "app/toolkit/win32/code_page_936.h"
#include "app/toolkit/win32/window_procedure.h"
#include "tests/app/win32/gui_session.h"
#include "tests/app/win32/program_paths.h"
#include "tests/app/win32/running_program.h"

namespace {

using namespace std::chrono_literals;

// A point of the frame's close button, found by asking the window what lies where.
[[nodiscard]] std::optional<POINT> closeButtonOf(HWND frame) {
    RECT outer{};
    GetWindowRect(frame, &outer);
    for (int y = outer.top; y < outer.top + 40; ++y) {
        for (int x = outer.right - 1; x > outer.right - 60; --x) {
            if (SendMessageW(frame, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
                return POINT{x - 3, y + 3};
            }
        }
    }
    return std::nullopt;
}

class ProgramProcess : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(gui::displayIsAvailable()); }

    const std::wstring mainWindowClass = toolkit::win32::mainWindowClassName;
};

TEST_F(ProgramProcess, EndsWithExitCodeZeroHoweverTheWindowIsClosed) {
    enum class Way { escapeKey, closeShortcut, closeMessage, closeButton };
    const struct {
        const char* label;
        Way way;
        const wchar_t* arguments;
    } cases[] = {
        {"Esc", Way::escapeKey, L""},
        {"Alt+F4", Way::closeShortcut, L""},
        {"WM_CLOSE", Way::closeMessage, L"--ignored argument"},
        {"close button", Way::closeButton, L""},
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.label);
        const RunningProgram program(programPath(), testCase.arguments);
        ASSERT_TRUE(program.started()) << "cannot start " << GetLastError();
        const HWND frame = program.waitForWindow(mainWindowClass);
        ASSERT_NE(frame, nullptr) << "the main window did not appear";
        switch (testCase.way) {
            case Way::escapeKey:
                SetForegroundWindow(frame);
                ASSERT_TRUE(gui::waitUntil([&] { return GetForegroundWindow() == frame; }, 5s));
                gui::pressKey(VK_ESCAPE);
                break;
            case Way::closeShortcut:
                SetForegroundWindow(frame);
                ASSERT_TRUE(gui::waitUntil([&] { return GetForegroundWindow() == frame; }, 5s));
                gui::pressWithAlt(VK_F4);
                break;
            case Way::closeMessage:
                PostMessageW(frame, WM_CLOSE, 0, 0);
                break;
            case Way::closeButton: {
                SetForegroundWindow(frame);
                const std::optional<POINT> button = closeButtonOf(frame);
                ASSERT_TRUE(button.has_value())
                    << "no close button on the frame (Wine draws it only with Decorated=N)";
                gui::clickAt(*button);
                break;
            }
        }
        EXPECT_EQ(program.waitForExit(), std::optional<DWORD>{0});
    }
}

TEST_F(ProgramProcess, ASecondCopyRunsOnWhenTheFirstCloses) {
    const RunningProgram first(programPath(), L"");
    const RunningProgram second(programPath(), L"");
    ASSERT_TRUE(first.started() && second.started());
    const HWND firstFrame = first.waitForWindow(mainWindowClass);
    const HWND secondFrame = second.waitForWindow(mainWindowClass);
    ASSERT_NE(firstFrame, nullptr);
    ASSERT_NE(secondFrame, nullptr);
    PostMessageW(firstFrame, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.waitForExit(), std::optional<DWORD>{0});
    EXPECT_TRUE(IsWindow(secondFrame));
    PostMessageW(secondFrame, WM_CLOSE, 0, 0);
    EXPECT_EQ(second.waitForExit(), std::optional<DWORD>{0});
}

TEST_F(ProgramProcess, WindowThatCannotBeCreatedEndsInTheErrorBoxAndMinusOne) {
    const std::wstring expectedText =
        toolkit::win32::wideFromCodePage936(app::strings::fatalErrorHeading) + L"\r\n\r\n" +
        toolkit::win32::wideFromCodePage936(app::strings::fatalErrorMessageLead) +
        toolkit::win32::wideFromCodePage936(app::strings::mainWindowNotCreated) + L"\r\n";
    const struct {
        const char* label;
        const wchar_t* refusedCreation;
    } cases[] = {{"frame", L"1"}, {"first control", L"2"}, {"last control", L"10"}};
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.label);
        const RunningProgram program(probePath(), testCase.refusedCreation);
        ASSERT_TRUE(program.started());
        const HWND box = program.waitForWindow(L"#32770");
        ASSERT_NE(box, nullptr) << "no error box appeared";
        const gui::MessageBoxLook look = gui::lookAt(box);
        EXPECT_EQ(look.text, expectedText);
        EXPECT_EQ(look.caption,
                  toolkit::win32::wideFromCodePage936(app::strings::fatalErrorCaption));
        EXPECT_TRUE(look.hasIcon);
        EXPECT_FALSE(look.hasOwner);
        EXPECT_EQ(look.buttonCount, 1);
        EXPECT_EQ(program.topLevelWindow(mainWindowClass), nullptr)
            << "a half-made main window is still on the screen";
        gui::pressOk(box);
        EXPECT_EQ(program.waitForExit(), std::optional<DWORD>{0xFFFFFFFFU});
    }
}

}  // namespace
