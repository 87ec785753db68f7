#pragma once

// A toolkit without a screen, linked into the shell's tests in place of a real backend. Boxes
// are plain texts, every verb is written down in the order it was called, message boxes are
// recorded, and the end of the process is thrown so that a test can catch it.

#include <array>
#include <optional>
#include <vector>

#include "app/toolkit/toolkit.h"

namespace toolkit {

struct Window {
    enum class Verb { read, set, append };
    struct Call {
        Verb verb;
        app::ControlId box;
        text::ByteText text;  // what was set or appended; empty for a read
    };

    std::array<text::ByteText, app::controlCount> boxes;
    std::vector<Call> calls;

    [[nodiscard]] text::ByteText& box(app::ControlId id) { return boxes[app::indexOf(id)]; }
};

}  // namespace toolkit

namespace fake {

struct ShownMessage {
    text::ByteText message;
    text::ByteText caption;
    toolkit::MessageIcon icon;
};

// Thrown by toolkit::endProcess.
struct ProcessEnd {
    int exitCode;
};

// Everything of the fake that lives outside a window, as verbs without a window see it.
struct Desktop {
    toolkit::ScreenSize screen{1024, 768};
    bool windowCanBeCreated = true;
    int loopExitCode = 0;

    std::optional<app::Point> windowCreatedAt;
    bool windowShown = false;
    bool loopRan = false;
    std::vector<ShownMessage> messages;
};

// The fake's one desktop; resetDesktop gives each test a fresh one.
Desktop& desktop();
void resetDesktop();

}  // namespace fake
