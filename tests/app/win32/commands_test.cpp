// Both translation buttons in the real window: what reaches the result box, caret, scrolling and
// undo, and texts that only the code page boundary can get wrong.
#include "app/toolkit/win32/native_window.h"
#include "tests/app/win32/window_fixture.h"

namespace {

using app::ControlId;
using enum app::ControlId;

class MainWindowCommands : public MainWindowTest {
protected:
    void click(ControlId button) {
        SendMessageW(control(button), BM_CLICK, 0, 0);
        settle();
    }
};

struct ButtonCase {
    const char* label;
    ControlId button;
    std::wstring input;
    std::wstring separator;
    std::wstring resultBefore;
    std::wstring resultAfter;
};

// clang-format off
const ButtonCase buttonCases[] = {
    {"empty input changes nothing",        decodeButton, L"",                 L"/",       L"typed", L"typed"},
    {"empty input changes nothing",        encodeButton, L"",                 L"/",       L"typed", L"typed"},
    {"spaces empty the result",            decodeButton, L"   ",              L"/",       L"typed", L""},
    {"spaces empty the result",            encodeButton, L"   ",              L"/",       L"typed", L""},
    {"plain text to Morse",                encodeButton, L"Sos",              L"/",       L"typed", L".../---/.../"},
    {"Morse to plain text",                decodeButton, L".../---/...",      L"/",       L"typed", L"SOS"},
    {"full-width letters narrow",          encodeButton, L"\uFF33\uFF2F",     L" ",       L"",      L"... --- "},
    {"look-alike marks decode",            decodeButton, L"\u2014\u3002/\u00B7", L"/",    L"",      L"NE"},
    {"line breaks as separator, encode",   encodeButton, L"ET",               L"\r\n",    L"",      L".\r\n-\r\n"},
    {"line breaks as separator, decode",   decodeButton, L"...\r\n---",       L"\r\n",    L"",      L"SO"},
    {"euro sign keeps the next letter",    encodeButton, L"\u20ACA",          L"/",       L"",      L".-/"},
    {"euro sign as separator",             decodeButton, L".-\u20AC-...",     L"\u20AC",  L"",      L"AB"},
    {"euro sign written back",             encodeButton, L"E",                L"\u20AC",  L"",      L".\u20AC"},
    {"emoji is skipped, not a question",   encodeButton, L"\U0001F600",       L"/",       L"typed", L""},
    {"emoji beside a code spoils it",      decodeButton, L"..--..\U0001F600", L"/",       L"typed", L""},
    {"Chinese separator",                  decodeButton, L"-.\u7A7A.",        L"\u7A7A",  L"",      L"NE"},
};
// clang-format on

TEST_F(MainWindowCommands, ButtonsTranslateIntoTheResultBox) {
    for (const ButtonCase& testCase : buttonCases) {
        SCOPED_TRACE(testCase.label);
        SetWindowTextW(control(inputBox), testCase.input.c_str());
        SetWindowTextW(control(separatorBox), testCase.separator.c_str());
        SetWindowTextW(control(resultBox), testCase.resultBefore.c_str());
        click(testCase.button);
        EXPECT_EQ(wideText(resultBox), testCase.resultAfter);
        EXPECT_EQ(wideText(inputBox), testCase.input);
        EXPECT_EQ(wideText(separatorBox), testCase.separator);
    }
}

TEST_F(MainWindowCommands, SpaceOnAFocusedButtonPressesItAndARepeatDoesNotAppend) {
    setText(inputBox, "-.-. --.-");
    setText(separatorBox, " ");
    focus(decodeButton);
    press(VK_SPACE);
    EXPECT_EQ(text(resultBox), "CQ");
    press(VK_SPACE);
    EXPECT_EQ(text(resultBox), "CQ");
}

TEST_F(MainWindowCommands, CaretEndsAtTheEndInViewAndUndoCannotBringBackTheOldText) {
    focus(resultBox);
    type(L"typed by hand");
    ASSERT_NE(SendMessageW(control(resultBox), EM_CANUNDO, 0, 0), 0);
    // Long enough to wrap over many more lines than the box shows.
    setText(inputBox, std::string(400, 'E'));
    setText(separatorBox, "/");
    click(encodeButton);
    const HWND result = control(resultBox);
    const std::wstring translated = wideText(resultBox);
    ASSERT_EQ(translated.size(), 800U);

    DWORD start = 0, end = 0;
    SendMessageW(result, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, translated.size());
    EXPECT_EQ(end, translated.size());

    const auto lastLine = SendMessageW(result, EM_LINEFROMCHAR, translated.size() - 1, 0);
    const auto firstVisible = SendMessageW(result, EM_GETFIRSTVISIBLELINE, 0, 0);
    EXPECT_GT(firstVisible, 0) << "the box did not scroll";
    const LRESULT endPosition = SendMessageW(result, EM_POSFROMCHAR, translated.size() - 1, 0);
    RECT client{};
    GetClientRect(result, &client);
    EXPECT_LT(static_cast<short>(HIWORD(endPosition)), client.bottom) << "line " << lastLine;
    EXPECT_GE(static_cast<short>(HIWORD(endPosition)), 0);

    EXPECT_EQ(SendMessageW(result, EM_CANUNDO, 0, 0), 0);
    pressWithControl('Z');
    SendMessageW(result, WM_UNDO, 0, 0);
    settle();
    EXPECT_EQ(wideText(resultBox), translated);
}

TEST_F(MainWindowCommands, ResultsBeyondTheEditControlsDefaultLimitArriveWhole) {
    // 16000 codes with their separators: 32000 characters, above the default 30000.
    setText(inputBox, std::string(16000, 'e'));
    setText(separatorBox, " ");
    click(encodeButton);
    std::string expected;
    for (int code = 0; code < 16000; ++code) {
        expected += ". ";
    }
    EXPECT_EQ(text(resultBox), expected);
}

}  // namespace
