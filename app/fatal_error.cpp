#include "app/fatal_error.h"

#include <charconv>
#include <iterator>
#include <limits>
#include <string_view>

#include "app/strings.h"
#include "app/toolkit/toolkit.h"

namespace app {

text::ByteText fatalErrorText(const text::ByteText& message) {
    const text::ByteText lineBreak{"\r\n"};
    const text::ByteText heading{strings::fatalErrorHeading};
    if (message.empty()) {
        return text::concatText(heading, lineBreak);
    }
    return text::concatText(heading, lineBreak, lineBreak,
                            text::ByteText{strings::fatalErrorMessageLead}, message, lineBreak);
}

text::ByteText allocationFailureMessage(std::size_t requestedBytes) {
    char digits[std::numeric_limits<std::size_t>::digits10 + 1];
    const auto written = std::to_chars(std::begin(digits), std::end(digits), requestedBytes);
    return text::concatText(text::ByteText{strings::allocationFailureLead},
                            text::ByteText{std::string_view(std::begin(digits), written.ptr)},
                            text::ByteText{strings::allocationFailureTail});
}

void reportFatalError(const text::ByteText& message) {
    toolkit::showMessageBox(fatalErrorText(message), text::ByteText{strings::fatalErrorCaption},
                            toolkit::MessageIcon::error);
    toolkit::endProcess(fatalExitCode);
}

}  // namespace app
