#pragma once

// Tables of translation cases: an input, a separator and the expected result, checked one by one
// so that a failure names the case in hex.

#include <iterator>
#include <string_view>

#include <gtest/gtest.h>

#include "text/byte_text.h"

namespace morse::testing {

inline text::ByteText t(std::string_view bytes) {
    return text::ByteText(bytes);
}

struct TranslationCase {
    std::string_view input;
    std::string_view separator;
    std::string_view expected;
};

using Translation = text::ByteText (*)(const text::ByteText& input,
                                       const text::ByteText& separator);

template <std::size_t Count>
void expectTranslations(Translation translate, const TranslationCase (&cases)[Count]) {
    for (const TranslationCase& one : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "input " << t(one.input) << " separator " << t(one.separator));
        EXPECT_EQ(translate(t(one.input), t(one.separator)), t(one.expected));
    }
}

}  // namespace morse::testing
