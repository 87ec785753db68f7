// Exhausted memory while a text or an array is built must reach the program's failure report,
// with the number of bytes that was asked for. This program replaces the global operator new
// so that, once armed, it refuses every request at or above a threshold, and its failure report
// throws instead of ending the process, so that a test can catch it and read the number.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <new>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "text/byte_text.h"
#include "text/text_memory.h"

namespace {

struct FailureReported {
    std::size_t requestedBytes;
};

std::size_t refuseFrom = SIZE_MAX;  // SIZE_MAX: nothing is refused
int refusedRequests = 0;

void* allocateOrRefuse(std::size_t size) {
    if (size >= refuseFrom) {
        ++refusedRequests;
        throw std::bad_alloc();
    }
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    throw std::bad_alloc();
}

// Refuses requests only while it lives, so that the test framework's own allocations are never
// refused.
class RefusalArmed {
public:
    explicit RefusalArmed(std::size_t threshold) noexcept { refuseFrom = threshold; }
    RefusalArmed(const RefusalArmed&) = delete;
    RefusalArmed& operator=(const RefusalArmed&) = delete;
    ~RefusalArmed() { refuseFrom = SIZE_MAX; }
};

}  // namespace

void* operator new(std::size_t size) {
    return allocateOrRefuse(size);
}
void* operator new[](std::size_t size) {
    return allocateOrRefuse(size);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t /*size*/) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t /*size*/) noexcept {
    std::free(block);
}

namespace text {

void reportTextAllocationFailure(std::size_t requestedBytes) {
    throw FailureReported{requestedBytes};
}

}  // namespace text

namespace {

using text::ByteText;

// Runs `build` with requests from `threshold` bytes on refused, and gives the number of bytes
// that the failure report received, or 0 when it was not called.
std::size_t reportedBytes(std::size_t threshold, const std::function<void()>& build) {
    const RefusalArmed armed(threshold);
    try {
        build();
    } catch (const FailureReported& failure) {
        return failure.requestedBytes;
    }
    return 0;
}

ByteText repeated(std::string_view piece, std::size_t times) {
    std::string bytes;
    for (std::size_t i = 0; i < times; ++i) {
        bytes += piece;
    }
    return ByteText(bytes);
}

TEST(TextMemory, RefusedAllocationReachesTheReportWithTheBytesRequested) {
    const ByteText letters = repeated("a", 5000);
    const ByteText fullWidth = repeated("\xA3\xC1", 3000);
    const ByteText twoPieces = concatText(letters, ByteText("/x"));
    const std::string raw(4500, 'z');
    const struct {
        const char* operation;
        std::function<void()> build;
        std::size_t requestedBytes;
    } cases[] = {
        {"construct", [&] { (void)ByteText(raw); }, 4500},
        {"copy", [&] { (void)ByteText(letters); }, 5000},
        {"copy-assign",
         [&] {
             ByteText target;
             target = letters;
         },
         5000},
        {"textMid", [&] { (void)textMid(letters, 2, 4000); }, 4000},
        {"toUpperCase", [&] { (void)toUpperCase(letters); }, 5000},
        {"toHalfWidth", [&] { (void)toHalfWidth(fullWidth); }, 3000},
        {"replaceAll", [&] { (void)replaceAll(letters, ByteText("a"), ByteText("bb")); }, 10000},
        {"concatText", [&] { (void)concatText(letters, letters, fullWidth); }, 16000},
        {"splitText element", [&] { (void)splitText(twoPieces, ByteText("/")); }, 5000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.operation);
        const int refusedBefore = refusedRequests;
        EXPECT_EQ(reportedBytes(1000, c.build), c.requestedBytes);
        // Proof that the allocation really failed, rather than the library giving up early.
        EXPECT_EQ(refusedRequests, refusedBefore + 1);
    }
}

TEST(TextMemory, RefusedArrayStorageReachesTheReport) {
    const ByteText separators = repeated("/", 1000);
    const std::size_t threshold = 64 * sizeof(ByteText);
    const int refusedBefore = refusedRequests;
    const std::size_t requested =
        reportedBytes(threshold, [&] { (void)splitText(separators, ByteText("/")); });
    EXPECT_EQ(refusedRequests, refusedBefore + 1);
    EXPECT_GE(requested, threshold);
    EXPECT_EQ(requested % sizeof(ByteText), 0U);
}

TEST(TextMemory, AllocationsBelowTheThresholdStillSucceed) {
    const ByteText letters = repeated("a", 500);
    const int refusedBefore = refusedRequests;
    EXPECT_EQ(reportedBytes(1000, [&] { EXPECT_EQ(toUpperCase(letters), repeated("A", 500)); }),
              0U);
    EXPECT_EQ(refusedRequests, refusedBefore);
}

TEST(TextMemory, TextsBeyondTheLengthLimitAreReportedWithoutAskingForMemory) {
    const std::size_t beyondLimit = text::maxTextLength + 1;
    const int refusedBefore = refusedRequests;
    EXPECT_EQ(reportedBytes(1U << 20, [&] { (void)text::allocateTextBytes(beyondLimit); }),
              beyondLimit);
    EXPECT_EQ(reportedBytes(1U << 20, [&] { (void)text::allocateTextBytes(SIZE_MAX); }), SIZE_MAX);

    // A short text whose every byte is replaced by a long replacement asks for more than a
    // text may hold; the total must be counted without wrapping around.
    const ByteText letters = repeated("a", 65536);
    const ByteText justOver = repeated("b", 32769);  // 65536 * 32769 = 2^31 + 65536
    EXPECT_EQ(reportedBytes(1U << 20, [&] { (void)replaceAll(letters, ByteText("a"), justOver); }),
              std::size_t{2147549184U});
    const ByteText farOver = repeated("b", 65537);  // 65536 * 65537 > 2^32
    const std::uint64_t farOverTotal = std::uint64_t{65536} * 65537;
    EXPECT_EQ(reportedBytes(1U << 20, [&] { (void)replaceAll(letters, ByteText("a"), farOver); }),
              static_cast<std::size_t>(std::min<std::uint64_t>(farOverTotal, SIZE_MAX)));
    EXPECT_EQ(refusedRequests, refusedBefore);
}

}  // namespace
