#pragma once

// How the arbitrary bytes of one fuzz input become the arguments of the calls under test.
//
// The input is read from the front. A field is one length byte L followed by L bytes (fewer where
// the input ends first); a number is four bytes, little-endian two's complement, bytes past the
// end counting as 00; whatever is left after the fields and numbers a target reads is its main
// text. Fields and the main text are raw bytes and may hold 00: they become texts only through
// ByteText(std::string_view), which drops every 00 byte. That constructor is the program's one
// way of turning arbitrary bytes into a valid text, and the targets check that it keeps
// everything else.
//
// So ".-" as the main text with "/" as its one field is the input 01 2F 2E 2D.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) noexcept
        : unread_(reinterpret_cast<const char*>(data), size) {}

    [[nodiscard]] std::string_view field() noexcept {
        if (unread_.empty()) {
            return {};
        }
        const auto length = static_cast<unsigned char>(unread_.front());
        unread_.remove_prefix(1);
        return take(length);
    }

    [[nodiscard]] std::int32_t number() noexcept {
        const std::string_view bytes = take(4);
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            value |= std::uint32_t{static_cast<unsigned char>(bytes[i])} << (8 * i);
        }
        return static_cast<std::int32_t>(value);
    }

    [[nodiscard]] std::string_view rest() const noexcept { return unread_; }

private:
    std::string_view take(std::size_t count) noexcept {
        const std::string_view taken = unread_.substr(0, count);
        unread_.remove_prefix(taken.size());
        return taken;
    }

    std::string_view unread_;
};

}  // namespace fuzz
