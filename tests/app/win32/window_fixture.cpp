#include "tests/app/win32/window_fixture.h"

#include <chrono>
#include <thread>

#include "app/placement.h"
#include "app/toolkit/win32/code_page_936.h"
#include "app/toolkit/win32/focus.h"
#include "app/toolkit/win32/message_loop.h"

using namespace std::chrono_literals;

void MainWindowTest::SetUp() {
    ASSERT_TRUE(gui::displayIsAvailable());
    openWindow();
}

void MainWindowTest::TearDown() {
    closeWindow();
}

void MainWindowTest::openWindow() {
    closeWindow();
    const app::WindowDefinition& definition = app::mainWindowDefinition;
    window_ = toolkit::createMainWindow(
        definition, app::centredOnScreen(definition.outerSize, toolkit::primaryScreenSize()));
    ASSERT_TRUE(window_) << "the main window could not be created";
    toolkit::showMainWindow(*window_);
    settle();
}

void MainWindowTest::closeWindow() {
    window_.reset();
    settle();
    stopRequest.reset();
}

void MainWindowTest::settle() {
    int quietRounds = 0;
    while (quietRounds < 3) {
        MSG message;
        bool handled = false;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            handled = true;
            if (message.message == WM_QUIT) {
                stopRequest = message.wParam;
            } else if (window_) {
                toolkit::win32::processMessage(*window_, message);
            } else {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        quietRounds = handled ? 0 : quietRounds + 1;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void MainWindowTest::press(WORD virtualKey, gui::Shift shift) {
    gui::pressKey(virtualKey, shift);
    settle();
}

void MainWindowTest::pressWithControl(WORD virtualKey) {
    gui::pressWithControl(virtualKey);
    settle();
}

void MainWindowTest::type(std::wstring_view characters) {
    gui::typeText(characters);
    settle();
}

void MainWindowTest::focus(app::ControlId id) {
    SetFocus(control(id));
    settle();
}

std::optional<app::ControlId> MainWindowTest::focused() const {
    return toolkit::win32::focusedControl(*window_);
}

void MainWindowTest::setText(app::ControlId box, std::string_view bytes) {
    toolkit::setBoxText(*window_, box, text::ByteText{bytes});
}

std::string MainWindowTest::text(app::ControlId box) {
    return std::string{toolkit::readBoxText(*window_, box).bytes()};
}

void MainWindowTest::activate() {
    SetForegroundWindow(frame());
    settle();
}

std::optional<MainWindowTest::SeenMessageBox> MainWindowTest::watchMessageBox(
    const std::function<void()>& open) {
    std::optional<SeenMessageBox> seen;
    const DWORD uiThread = GetCurrentThreadId();
    const HWND mainFrame = frame();
    std::thread watcher([&seen, uiThread, mainFrame] {
        HWND box = nullptr;
        if (!gui::waitUntil([&] { return (box = gui::findMessageBox(uiThread)) != nullptr; },
                            10s)) {
            return;
        }
        seen = SeenMessageBox{gui::lookAt(box), IsWindowEnabled(mainFrame) != FALSE};
        gui::pressOk(box);
    });
    open();
    watcher.join();
    settle();
    return seen;
}
