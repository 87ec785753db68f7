// The keyboard rules of the real window, with keys sent through the real input path.
#include "tests/app/win32/window_fixture.h"

namespace {

using app::ControlId;
using enum app::ControlId;

constexpr ControlId ring[] = {inputBox,     resultBox,    decodeButton,
                              separatorBox, encodeButton, helpBox};

using MainWindowKeyboard = MainWindowTest;

TEST_F(MainWindowKeyboard, TabAndShiftTabWalkTheRingWithoutTypingIntoTheBoxes) {
    ASSERT_EQ(focused(), inputBox);
    for (std::size_t step = 1; step <= std::size(ring); ++step) {
        press(VK_TAB);
        EXPECT_EQ(focused(), ring[step % std::size(ring)]) << "after Tab number " << step;
    }
    for (std::size_t step = 1; step <= std::size(ring); ++step) {
        press(VK_TAB, gui::Shift::down);
        EXPECT_EQ(focused(), ring[(std::size(ring) - step) % std::size(ring)])
            << "after Shift+Tab number " << step;
    }
    for (const ControlId box : {inputBox, resultBox, separatorBox}) {
        EXPECT_EQ(text(box), "");
    }
}

TEST_F(MainWindowKeyboard, TabSkipsControlsThatAreDisabledOrHidden) {
    EnableWindow(control(resultBox), FALSE);
    ShowWindow(control(separatorBox), SW_HIDE);
    press(VK_TAB);
    EXPECT_EQ(focused(), decodeButton);
    press(VK_TAB);
    EXPECT_EQ(focused(), encodeButton);
}

TEST_F(MainWindowKeyboard, EscClosesTheWindowFromEveryControlAndStopsTheLoopWithZero) {
    for (const ControlId start : ring) {
        SCOPED_TRACE(app::controlOf(app::mainWindowDefinition, start).name);
        openWindow();
        focus(start);
        press(VK_ESCAPE);
        EXPECT_FALSE(windowIsOpen());
        EXPECT_EQ(stopRequest, WPARAM{0});
    }
}

TEST_F(MainWindowKeyboard, EnterBreaksTheLineOnlyInTheInputAndResultBoxes) {
    const struct {
        ControlId focus;
        const char* inputAfter;
        const char* resultAfter;
        const char* separatorAfter;
    } cases[] = {
        {inputBox, "ab\r\n", "r", "/"}, {resultBox, "ab", "r\r\n", "/"},
        {separatorBox, "ab", "r", "/"}, {helpBox, "ab", "r", "/"},
        {decodeButton, "ab", "r", "/"}, {encodeButton, "ab", "r", "/"},
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(app::controlOf(app::mainWindowDefinition, testCase.focus).name);
        setText(inputBox, "ab");
        setText(resultBox, "r");
        setText(separatorBox, "/");
        focus(testCase.focus);
        // The caret goes to the end, where Enter adds the line break.
        SendMessageW(control(testCase.focus), EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
        press(VK_RETURN);
        EXPECT_EQ(focused(), testCase.focus);
        EXPECT_EQ(text(inputBox), testCase.inputAfter);
        EXPECT_EQ(text(resultBox), testCase.resultAfter);
        EXPECT_EQ(text(separatorBox), testCase.separatorAfter);
        EXPECT_EQ(text(helpBox),
                  std::string(app::controlOf(app::mainWindowDefinition, helpBox).text));
        EXPECT_TRUE(windowIsOpen());
    }
}

TEST_F(MainWindowKeyboard, F1ShowsNothing) {
    focus(separatorBox);
    press(VK_F1);
    EXPECT_EQ(gui::findMessageBox(GetCurrentThreadId()), nullptr);
    EXPECT_EQ(focused(), separatorBox);
    EXPECT_EQ(GetForegroundWindow(), frame());
    EXPECT_EQ(text(separatorBox), "");
}

TEST_F(MainWindowKeyboard, TypingReachesTheFocusedBoxAsCodePage936) {
    const struct {
        ControlId box;
        std::wstring typed;
        std::string read;
    } cases[] = {
        {inputBox, L"sos 中", "sos \xD6\xD0"},
        {separatorBox, L"\u20AC", "\xA2\xE3"},  // € reads as its two-byte form
        {resultBox, L"\U0001F600A",
         "\xA1\xFE"
         "A"},  // 😀 reads as 〓, the A stays
    };
    for (const auto& testCase : cases) {
        focus(testCase.box);
        type(testCase.typed);
        EXPECT_EQ(text(testCase.box), testCase.read);
    }
}

TEST_F(MainWindowKeyboard, TheHelpBoxCannotBeChangedButItsTextCanBeSelected) {
    focus(helpBox);
    type(L"x");
    press(VK_DELETE);
    EXPECT_EQ(text(helpBox), std::string(app::controlOf(app::mainWindowDefinition, helpBox).text));
    pressWithControl('A');
    DWORD start = 1, end = 0;
    SendMessageW(control(helpBox), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0U);
    EXPECT_EQ(end, static_cast<DWORD>(wideText(helpBox).size()));
    pressWithControl('C');
    ASSERT_TRUE(OpenClipboard(frame()));
    const HANDLE copied = GetClipboardData(CF_UNICODETEXT);
    const auto* copiedText = static_cast<const wchar_t*>(GlobalLock(copied));
    EXPECT_EQ(std::wstring(copiedText != nullptr ? copiedText : L""), wideText(helpBox));
    GlobalUnlock(copied);
    CloseClipboard();
}

}  // namespace
