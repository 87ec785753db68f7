// One translation of 16 MiB, for measuring its peak memory from outside:
//   /usr/bin/time -v build/linux/bench/peak_memory encode      (Maximum resident set size)
//   heaptrack build/linux/bench/peak_memory decode             (peak heap memory consumption)
// "input" only makes the input, the baseline to subtract. The input is written straight into
// its text, so the peak is the input, the result and whatever the translation holds besides.

#include <cstdio>
#include <string_view>

#include "bench/sample_text.h"
#include "morse/decoder.h"
#include "morse/encoder.h"
#include "text/byte_text.h"

int main(int argc, char** argv) {
    const std::string_view mode = argc == 2 ? argv[1] : "";
    constexpr std::size_t inputLength = 16 << 20;
    const text::ByteText separator("/");
    if (mode == "encode") {
        const text::ByteText input = bench::mixedText(inputLength);
        const text::ByteText output = morse::encodeToMorse(input, separator);
        std::printf("input %zu bytes, output %zu bytes\n", input.size(), output.size());
    } else if (mode == "decode") {
        const text::ByteText input = bench::morseText(inputLength);
        const text::ByteText output = morse::decodeFromMorse(input, separator);
        std::printf("input %zu bytes, output %zu bytes\n", input.size(), output.size());
    } else if (mode == "input") {
        const text::ByteText input = bench::mixedText(inputLength);
        std::printf("input %zu bytes\n", input.size());
    } else {
        std::fputs("usage: peak_memory encode|decode|input\n", stderr);
        return 2;
    }
    return 0;
}
