#pragma once

// A broken property names itself on stderr and aborts, which libFuzzer records as a crash and
// saves the input for.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "text/byte_text.h"

namespace fuzz {

inline void check(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "broken property: %s\n", property);
        std::abort();
    }
}

// As check, and also shows the texts involved, in hex where they are not plain ASCII.
template <class... Texts>
void checkShowing(bool holds, const char* property, const Texts&... texts) {
    if (!holds) {
        ((std::cerr << texts << '\n'), ...);
        check(false, property);
    }
}

// Every result of every operation must be a valid text.
inline void checkValid(const text::ByteText& result, const char* operation) {
    if (!result.empty() && std::memchr(result.bytes().data(), '\0', result.size()) != nullptr) {
        std::cerr << operation << " gave " << result << '\n';
        check(false, "no result holds a 00 byte");
    }
}

}  // namespace fuzz
