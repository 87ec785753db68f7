#pragma once

// Builds a text whose length is not known in advance in two runs of the same producer: the
// first only counts the bytes, the second writes them into storage of exactly that size. The
// result is written once, with no growing and no spare capacity, at the price of running the
// producer twice.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "text/byte_text.h"

namespace text {

class ByteCounter {
public:
    void put(std::string_view bytes) noexcept { length_ += bytes.size(); }
    void put(char /*byte*/) noexcept { ++length_; }
    [[nodiscard]] std::uint64_t length() const noexcept { return length_; }

private:
    std::uint64_t length_ = 0;  // 64 bits, so a total beyond any text's limit cannot wrap
};

class ByteWriter {
public:
    explicit ByteWriter(char* out) noexcept : out_(out) {}
    void put(std::string_view bytes) noexcept {
        // The view of an empty text has no storage; memcpy must not be given its null pointer.
        if (!bytes.empty()) {
            std::memcpy(out_, bytes.data(), bytes.size());
            out_ += bytes.size();
        }
    }
    void put(char byte) noexcept { *out_++ = byte; }

private:
    char* out_;
};

// `produce(sink)` must put the same bytes into any sink it is given, none of them 00.
template <class Producer>
[[nodiscard]] ByteText produceText(Producer&& produce) {
    ByteCounter counter;
    produce(counter);
    if (counter.length() > maxTextLength) {
        reportTextAllocationFailure(
            static_cast<std::size_t>(std::min<std::uint64_t>(counter.length(), SIZE_MAX)));
    }
    return ByteText::build(static_cast<std::size_t>(counter.length()), [&](char* out) {
        ByteWriter writer(out);
        produce(writer);
    });
}

}  // namespace text
