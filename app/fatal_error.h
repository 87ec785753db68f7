#pragma once

// The one way the program reports a failure it cannot live with: an error box, then the end of
// the process with exit code -1.

#include <cstddef>

#include "text/byte_text.h"

namespace app {

inline constexpr int fatalExitCode = -1;

// "运行时出错!" and CR LF; then, for a non-empty message, CR LF, "错误信息：", the message and
// CR LF. No location part follows.
[[nodiscard]] text::ByteText fatalErrorText(const text::ByteText& message);

// "分配 <n> 字节内存失败!" with every digit of `requestedBytes`.
[[nodiscard]] text::ByteText allocationFailureMessage(std::size_t requestedBytes);

// Shows fatalErrorText(message) with the caption "错误", the error icon and no owner, waits for
// the user to close it and ends the process with fatalExitCode.
[[noreturn]] void reportFatalError(const text::ByteText& message);

}  // namespace app
