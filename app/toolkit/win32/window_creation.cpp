// Building the main window from its definition, showing it, and taking it down.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <memory>
#include <string>
#include <type_traits>

#include "app/placement.h"
#include "app/toolkit/win32/code_page_936.h"
#include "app/toolkit/win32/creation_funnel.h"
#include "app/toolkit/win32/native_window.h"
#include "app/toolkit/win32/window_procedure.h"

namespace toolkit::win32 {

namespace {

constexpr const wchar_t* iconResourceName = L"DEFAULT_ICON";

// A shared icon from the executable's resources; the system frees it. Null when the program has
// no icon resource, which leaves the system's default picture.
[[nodiscard]] HICON loadProgramIcon(int width, int height) noexcept {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), iconResourceName, IMAGE_ICON,
                                         width, height, LR_SHARED));
}

[[nodiscard]] bool registerWindowClass() noexcept {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = mainWindowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    // 0 x 0 asks for the image at its own size, 50 x 50.
    windowClass.hIcon = loadProgramIcon(0, 0);
    windowClass.hIconSm =
        loadProgramIcon(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = mainWindowClassName;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

struct DestroyMenuHandle {
    void operator()(HMENU menu) const noexcept { DestroyMenu(menu); }
};
using MenuHandle = std::unique_ptr<std::remove_pointer_t<HMENU>, DestroyMenuHandle>;

// The menu bar with its one drop-down menu; null if any part cannot be made.
[[nodiscard]] MenuHandle createMenuBar(const app::MenuDefinition& menu) {
    MenuHandle bar{CreateMenu()};
    MenuHandle dropDown{CreatePopupMenu()};
    if (!bar || !dropDown) {
        return nullptr;
    }
    for (std::size_t item = 0; item < menu.items.size(); ++item) {
        if (!AppendMenuW(dropDown.get(), MF_STRING, static_cast<UINT_PTR>(menuItemIdentifier(item)),
                         wideFromCodePage936(menu.items[item].text).c_str())) {
            return nullptr;
        }
    }
    if (!AppendMenuW(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(dropDown.get()),
                     wideFromCodePage936(menu.title).c_str())) {
        return nullptr;
    }
    // The bar owns the drop-down menu from here on.
    static_cast<void>(dropDown.release());
    return bar;
}

// A one-line box must fit a line of its font between its sunken edges.
void fitOneLineBox(HWND box, const app::ControlDefinition& control) noexcept {
    const HDC context = GetDC(box);
    if (context == nullptr) {
        return;
    }
    const HGDIOBJ previousFont = SelectObject(context, GetStockObject(DEFAULT_GUI_FONT));
    SIZE line{};
    // 吴, a character that reaches the full height of the font's CJK glyphs.
    const BOOL measured = GetTextExtentPoint32W(context, L"\u5434", 1, &line);
    SelectObject(context, previousFont);
    ReleaseDC(box, context);
    if (!measured) {
        return;
    }
    const std::int32_t height =
        app::oneLineBoxHeight(control.size.height, line.cy, GetSystemMetrics(SM_CYEDGE));
    if (height != control.size.height) {
        SetWindowPos(box, nullptr, 0, 0, control.size.width, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// Creates one control at the bottom of the stacking order, so that creating them in the order of
// the definition gives its stacking order.
[[nodiscard]] HWND createControl(const Window& window, const app::ControlDefinition& control) {
    const ControlStyle style = controlStyleOf(control.kind);
    if (style.className == nullptr) {
        return nullptr;
    }
    const std::wstring text = wideFromCodePage936(control.text);
    const HWND created = createNativeWindow({
        .className = style.className,
        .text = text,
        .style = style.style,
        .extendedStyle = style.extendedStyle,
        .place = control.place,
        .size = control.size,
        .parent = window.frame,
        .menuOrIdentifier =
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlIdentifier(control.id))),
    });
    if (created == nullptr) {
        return nullptr;
    }
    switch (control.kind) {
        case app::ControlKind::oneLineEditBox:
            fitOneLineBox(created, control);
            [[fallthrough]];
        case app::ControlKind::multiLineEditBox:
        case app::ControlKind::readOnlyTextBox:
            // 0 lifts the box's own limit (30000 characters) to the most the platform allows.
            SendMessageW(created, EM_SETLIMITTEXT, 0, 0);
            break;
        case app::ControlKind::pushButton:
        case app::ControlKind::transparentLabel:
            break;
    }
    return created;
}

[[nodiscard]] bool createFrame(Window& window, app::Point topLeft) {
    if (!registerWindowClass()) {
        return false;
    }
    MenuHandle menuBar = createMenuBar(window.definition.menu);
    if (!menuBar) {
        return false;
    }
    const std::wstring caption = wideFromCodePage936(window.definition.caption);
    // A fixed frame with a title bar, a system menu and a minimise button but no maximise one.
    const HWND frame = createNativeWindow({
        .className = mainWindowClassName,
        .text = caption,
        .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
        .place = topLeft,
        .size = window.definition.outerSize,
        .menuOrIdentifier = menuBar.get(),
        .creationData = &window,
    });
    if (frame == nullptr) {
        return false;
    }
    // The frame owns the menu bar now and destroys it with itself.
    static_cast<void>(menuBar.release());
    return true;
}

}  // namespace

}  // namespace toolkit::win32

namespace toolkit {

void WindowDeleter::operator()(Window* window) const noexcept {
    if (window->frame != nullptr) {
        DestroyWindow(window->frame);
    }
    std::default_delete<Window>{}(window);
}

WindowPtr createMainWindow(const app::WindowDefinition& definition, app::Point topLeft) {
    const INITCOMMONCONTROLSEX commonControls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&commonControls);

    WindowPtr window{std::make_unique<Window>(definition).release()};
    if (!win32::createFrame(*window, topLeft)) {
        return nullptr;
    }
    for (const app::ControlDefinition& control : definition.controls) {
        const HWND created = win32::createControl(*window, control);
        if (created == nullptr) {
            return nullptr;
        }
        window->controls[app::indexOf(control.id)] = created;
    }
    const HICON bigIcon = win32::loadProgramIcon(0, 0);
    const HICON smallIcon =
        win32::loadProgramIcon(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));
    SendMessageW(window->frame, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
    SendMessageW(window->frame, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
    win32::nameBoxesAfterLabels(*window);
    window->complete = true;
    return window;
}

void showMainWindow(Window& window) {
    ShowWindow(window.frame, SW_SHOW);
    UpdateWindow(window.frame);
    // Activation hands the focus to the frame, whose focus rule passes it on to the input box.
    SetForegroundWindow(window.frame);
}

}  // namespace toolkit
