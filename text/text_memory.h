#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>

namespace text {

// Running out of memory while a text or an array is built is fatal for the whole program. The
// byte-text library does not know how the program reports it: every program that links the
// library defines this function (the desktop program shows its fatal-error box, test and
// benchmark programs link text::abort_on_exhaustion or their own). It must not return.
[[noreturn]] void reportTextAllocationFailure(std::size_t requestedBytes);

// Lengths and positions are 32-bit signed integers, so no text may grow beyond this; asking for
// more counts as running out of memory.
inline constexpr std::size_t maxTextLength = std::numeric_limits<std::int32_t>::max();

// Uninitialised storage for `count` bytes (count >= 1) of a text, or the failure report.
[[nodiscard]] std::unique_ptr<char[]> allocateTextBytes(std::size_t count);

// Routes an exhausted standard container (the elements of a TextArray) to the same report.
template <class T>
class TextAllocator {
public:
    using value_type = T;

    TextAllocator() noexcept = default;
    template <class U>
    TextAllocator(const TextAllocator<U>& /*other*/) noexcept {}  // NOLINT: rebinding

    [[nodiscard]] T* allocate(std::size_t count) {
        try {
            return std::allocator<T>{}.allocate(count);
        } catch (const std::bad_alloc&) {
            reportTextAllocationFailure(count * sizeof(T));
        } catch (const std::length_error&) {
            reportTextAllocationFailure(count * sizeof(T));
        }
    }
    void deallocate(T* pointer, std::size_t count) noexcept {
        std::allocator<T>{}.deallocate(pointer, count);
    }

    template <class U>
    friend bool operator==(const TextAllocator&, const TextAllocator<U>&) noexcept {
        return true;
    }
};

}  // namespace text
