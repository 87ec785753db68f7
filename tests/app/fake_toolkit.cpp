#include "tests/app/fake_toolkit.h"

namespace fake {

Desktop& desktop() {
    // The verbs that take no window can reach the fake's state only through this one object.
    static Desktop theDesktop;
    return theDesktop;
}

void resetDesktop() {
    desktop() = Desktop{};
}

}  // namespace fake

namespace toolkit {

void WindowDeleter::operator()(Window* window) const noexcept {
    std::default_delete<Window>{}(window);
}

ScreenSize primaryScreenSize() {
    return fake::desktop().screen;
}

WindowPtr createMainWindow(const app::WindowDefinition& /*definition*/, app::Point topLeft) {
    if (!fake::desktop().windowCanBeCreated) {
        return {};
    }
    fake::desktop().windowCreatedAt = topLeft;
    return WindowPtr{std::make_unique<Window>().release()};
}

void showMainWindow(Window& /*window*/) {
    fake::desktop().windowShown = true;
}

int runEventLoop(Window& /*window*/) {
    fake::desktop().loopRan = true;
    return fake::desktop().loopExitCode;
}

text::ByteText readBoxText(Window& window, app::ControlId box) {
    window.calls.push_back({Window::Verb::read, box, {}});
    return window.box(box);
}

void setBoxText(Window& window, app::ControlId box, const text::ByteText& text) {
    window.calls.push_back({Window::Verb::set, box, text});
    window.box(box) = text;
}

void appendBoxText(Window& window, app::ControlId box, const text::ByteText& text) {
    window.calls.push_back({Window::Verb::append, box, text});
    window.box(box) = text::concatText(window.box(box), text);
}

void showMessageBox(const text::ByteText& message, const text::ByteText& caption,
                    MessageIcon icon) {
    fake::desktop().messages.push_back({message, caption, icon});
}

void endProcess(int exitCode) {
    throw fake::ProcessEnd{exitCode};
}

}  // namespace toolkit
