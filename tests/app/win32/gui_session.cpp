#include "tests/app/win32/gui_session.h"

#include <thread>
#include <vector>

namespace gui {

namespace {

[[nodiscard]] bool runsUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

[[nodiscard]] INPUT keyInput(WORD virtualKey, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = flags;
    return input;
}

void send(std::vector<INPUT> inputs) {
    const UINT sent =
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), static_cast<int>(sizeof(INPUT)));
    ASSERT_EQ(sent, inputs.size()) << "SendInput was refused";
}

struct ChildSurvey {
    std::vector<HWND> children;
};

BOOL CALLBACK collectChild(HWND child, LPARAM survey) {
    reinterpret_cast<ChildSurvey*>(survey)->children.push_back(child);
    return TRUE;
}

struct BoxSearch {
    HWND found = nullptr;
};

BOOL CALLBACK findBox(HWND window, LPARAM search) {
    if (IsWindowVisible(window) && className(window) == L"#32770") {
        reinterpret_cast<BoxSearch*>(search)->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

testing::AssertionResult displayIsAvailable() {
    if (!runsUnderWine() || GetEnvironmentVariableW(L"DISPLAY", nullptr, 0) > 0) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << "DISPLAY is not set: the window tests need an X display under Wine "
              "(scripts/xvfb.sh starts Xvfb and exports DISPLAY)";
}

void pressKey(WORD virtualKey, Shift shift) {
    std::vector<INPUT> inputs;
    if (shift == Shift::down) {
        inputs.push_back(keyInput(VK_SHIFT, 0));
    }
    inputs.push_back(keyInput(virtualKey, 0));
    inputs.push_back(keyInput(virtualKey, KEYEVENTF_KEYUP));
    if (shift == Shift::down) {
        inputs.push_back(keyInput(VK_SHIFT, KEYEVENTF_KEYUP));
    }
    send(inputs);
}

void pressWithControl(WORD virtualKey) {
    send({keyInput(VK_CONTROL, 0), keyInput(virtualKey, 0), keyInput(virtualKey, KEYEVENTF_KEYUP),
          keyInput(VK_CONTROL, KEYEVENTF_KEYUP)});
}

void pressWithAlt(WORD virtualKey) {
    send({keyInput(VK_MENU, 0), keyInput(virtualKey, 0), keyInput(virtualKey, KEYEVENTF_KEYUP),
          keyInput(VK_MENU, KEYEVENTF_KEYUP)});
}

void typeText(std::wstring_view characters) {
    std::vector<INPUT> inputs;
    for (const wchar_t unit : characters) {
        INPUT down{};
        down.type = INPUT_KEYBOARD;
        down.ki.wScan = unit;
        down.ki.dwFlags = KEYEVENTF_UNICODE;
        INPUT up = down;
        up.ki.dwFlags |= KEYEVENTF_KEYUP;
        inputs.push_back(down);
        inputs.push_back(up);
    }
    send(inputs);
}

void clickAt(POINT screenPoint) {
    // Absolute mouse positions run from 0 to 65535 across the primary screen.
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = MulDiv(screenPoint.x, 65535, width - 1);
    move.mi.dy = MulDiv(screenPoint.y, 65535, height - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    INPUT down = move, up = move;
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    send({move, down, up});
}

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring className(HWND window) {
    wchar_t name[64] = {};
    const int length = GetClassNameW(window, name, 64);
    return std::wstring(name, static_cast<std::size_t>(length));
}

HWND findMessageBox(DWORD threadId) {
    BoxSearch search;
    EnumThreadWindows(threadId, findBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

MessageBoxLook lookAt(HWND messageBox) {
    MessageBoxLook look;
    look.caption = windowText(messageBox);
    look.hasOwner = GetWindow(messageBox, GW_OWNER) != nullptr;
    ChildSurvey survey;
    EnumChildWindows(messageBox, collectChild, reinterpret_cast<LPARAM>(&survey));
    for (const HWND child : survey.children) {
        const std::wstring kind = className(child);
        const auto style = static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE));
        if (kind == L"Button" && IsWindowVisible(child)) {
            ++look.buttonCount;
            look.hasOkButton = look.hasOkButton || GetDlgCtrlID(child) == IDOK;
        } else if (kind == L"Static" && (style & SS_TYPEMASK) == SS_ICON) {
            look.hasIcon = look.hasIcon ||
                           (IsWindowVisible(child) && SendMessageW(child, STM_GETICON, 0, 0) != 0);
        } else if (kind == L"Static" && IsWindowVisible(child)) {
            look.text += windowText(child);
        }
    }
    return look;
}

void pressOk(HWND messageBox) {
    PostMessageW(messageBox, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

}  // namespace gui
