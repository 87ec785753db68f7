// The failure report for programs without a window: the tests and the benchmarks.
#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "text/text_memory.h"

namespace text {

void reportTextAllocationFailure(std::size_t requestedBytes) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, requestedBytes).ptr;
    *end = '\0';
    std::fputs("out of memory: cannot allocate ", stderr);
    std::fputs(digits, stderr);
    std::fputs(" bytes for a text\n", stderr);
    std::abort();
}

}  // namespace text
