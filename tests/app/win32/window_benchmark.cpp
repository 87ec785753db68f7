// How long a translation takes in the real window, end to end, next to the translation alone in
// the same process: fill the input box, press the button, until the result box holds the whole
// translation. Prints the median of several runs in milliseconds.
//   window_benchmark.exe [runs] [bytes] [separator]    (3, 1048576 and crlf unless told)
// The encoder gets the native benchmark's mixed text, the decoder the first `bytes` of what the
// encoder makes of it, cut after a whole code.
//
// The separator is a line break unless told otherwise, because Wine's edit control lays out each
// paragraph (the text between two line breaks) in time that grows with the square of its length.
// A line break after every code keeps the paragraphs of the encoder's result and the decoder's
// input short; the decoder's result never holds a line break, so its figure shows that cost in
// full. With "/" a mebibyte would run for hours; a few tens of kilobytes show the growth.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string_view>
#include <vector>

#include "app/placement.h"
#include "app/toolkit/toolkit.h"
#include "app/toolkit/win32/message_loop.h"
#include "app/toolkit/win32/native_window.h"
#include "app/window_definition.h"
#include "bench/sample_text.h"
#include "morse/decoder.h"
#include "morse/encoder.h"

namespace {

using app::ControlId;

[[nodiscard]] double millisecondsOf(const std::function<void()>& work) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 /
           static_cast<double>(frequency.QuadPart);
}

[[nodiscard]] double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Everything the window has to do after a change, painting included, as the event loop would.
void handleWaitingMessages(toolkit::Window& window) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        toolkit::win32::processMessage(window, message);
    }
}

using Translation = text::ByteText (*)(const text::ByteText&, const text::ByteText&);

struct Case {
    const char* label;
    ControlId button;
    Translation translate;
    text::ByteText input;
    text::ByteText separator;
};

struct Figures {
    double fill = 0;
    double press = 0;
    double endToEnd = 0;
    double alone = 0;
};

// False if the result box did not hold exactly the translation: the figures would be meaningless.
[[nodiscard]] bool measure(toolkit::Window& window, const Case& run, int runs, Figures& figures) {
    const text::ByteText expected = run.translate(run.input, run.separator);
    std::vector<double> fills, presses, totals, alone;
    for (int round = 0; round < runs; ++round) {
        toolkit::setBoxText(window, ControlId::inputBox, text::ByteText{});
        toolkit::setBoxText(window, ControlId::resultBox, text::ByteText{});
        toolkit::setBoxText(window, ControlId::separatorBox, run.separator);
        handleWaitingMessages(window);
        const HWND button = toolkit::win32::controlHandle(window, run.button);
        fills.push_back(millisecondsOf([&] {
            toolkit::setBoxText(window, ControlId::inputBox, run.input);
            handleWaitingMessages(window);
        }));
        presses.push_back(millisecondsOf([&] {
            SendMessageW(button, BM_CLICK, 0, 0);
            handleWaitingMessages(window);
        }));
        totals.push_back(fills.back() + presses.back());
        if (toolkit::readBoxText(window, ControlId::resultBox).bytes() != expected.bytes()) {
            std::fprintf(stderr, "%s: the result box does not hold the translation\n", run.label);
            return false;
        }
        std::fprintf(stderr, "%s: run %d of %d, %.0f ms\n", run.label, round + 1, runs,
                     totals.back());
    }
    // The translation alone is quick: more rounds give a steadier median at no real cost.
    for (int round = 0; round < std::max(runs, 21); ++round) {
        alone.push_back(millisecondsOf([&] {
            const text::ByteText result = run.translate(run.input, run.separator);
            static_cast<void>(result);
        }));
    }
    figures = {median(fills), median(presses), median(totals), median(alone)};
    return true;
}

// The first `size` bytes of the text or fewer: cut after its last separator that fits, so that
// every code in it is whole.
[[nodiscard]] text::ByteText wholeCodes(const text::ByteText& morseCode,
                                        const text::ByteText& separator, std::size_t size) {
    const std::string_view head = morseCode.bytes().substr(0, size);
    const std::size_t lastSeparator = head.rfind(separator.bytes());
    return text::ByteText{head.substr(
        0, lastSeparator == std::string_view::npos ? 0 : lastSeparator + separator.size())};
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 3;
    const long size = argc > 2 ? std::atol(argv[2]) : 1L << 20;
    const std::string_view separatorArgument = argc > 3 ? argv[3] : "crlf";
    if (runs < 1 || size < 1 || separatorArgument.empty()) {
        std::fprintf(stderr, "usage: window_benchmark.exe [runs] [bytes] [separator|crlf]\n");
        return 2;
    }
    const app::WindowDefinition& definition = app::mainWindowDefinition;
    const toolkit::WindowPtr window = toolkit::createMainWindow(
        definition, app::centredOnScreen(definition.outerSize, toolkit::primaryScreenSize()));
    if (!window) {
        std::fprintf(stderr, "the main window could not be created (is DISPLAY set?)\n");
        return 1;
    }
    toolkit::showMainWindow(*window);
    handleWaitingMessages(*window);

    const auto bytes = static_cast<std::size_t>(size);
    const text::ByteText separator{separatorArgument == "crlf" ? "\r\n" : separatorArgument};
    const text::ByteText plainText = bench::mixedText(bytes);
    const Case cases[] = {
        {"encode", ControlId::encodeButton, morse::encodeToMorse, plainText, separator},
        {"decode", ControlId::decodeButton, morse::decodeFromMorse,
         wholeCodes(morse::encodeToMorse(plainText, separator), separator, bytes), separator},
    };
    std::printf("the real window, separator %.*s, median of %d runs, milliseconds\n",
                static_cast<int>(separatorArgument.size()), separatorArgument.data(), runs);
    std::printf("%-8s %10s %12s %12s %12s %12s\n", "", "bytes", "fill input", "press", "end to end",
                "alone");
    for (const Case& run : cases) {
        Figures figures;
        if (!measure(*window, run, runs, figures)) {
            return 1;
        }
        std::printf("%-8s %10zu %12.1f %12.1f %12.1f %12.2f\n", run.label, run.input.size(),
                    figures.fill, figures.press, figures.endToEnd, figures.alone);
        std::fflush(stdout);
    }
    return 0;
}
