#pragma once

// Every text that the user sees, in code page 936, written as escaped bytes with the text itself
// in a comment at the end of the line. A literal is split where a plain hex digit follows an
// escape, because an escape would swallow it.

#include <string_view>

namespace app::strings {

// clang-format off
inline constexpr std::string_view windowCaption  = "\xC4\xA6\xCB\xB9\xC2\xEB";                         // 摩斯码
inline constexpr std::string_view inputLabel     = "\xC4\xA6\xCB\xB9\xC2\xEB/\xC3\xF7\xCE\xC4";        // 摩斯码/明文
inline constexpr std::string_view separatorLabel = "\xB7\xD6\xB8\xF4\xB7\xFB";                         // 分隔符
inline constexpr std::string_view resultLabel    = "\xBD\xE1\xB9\xFB";                                 // 结果
inline constexpr std::string_view decodeButton   = "\xC4\xA6\xCB\xB9\xC2\xEB\xA1\xFA\xC3\xF7\xCE\xC4";  // 摩斯码→明文
inline constexpr std::string_view encodeButton   = "\xC3\xF7\xCE\xC4\xA1\xFA\xC4\xA6\xCB\xB9\xC2\xEB";  // 明文→摩斯码
inline constexpr std::string_view otherMenu      = "\xC6\xE4\xCB\xFB";                                 // 其他
inline constexpr std::string_view helpMenuItem   = "\xB0\xEF\xD6\xFA";                                 // 帮助
inline constexpr std::string_view aboutMenuItem  = "\xB9\xD8\xD3\xDA";                                 // 关于

// Five lines; the example is MORSECODE123, the same twelve codes on lines 2 and 4.
inline constexpr std::string_view helpBoxText =
    "\xB8\xF1\xCA\xBD\xCE\xAA\r\n"                                                                    // 格式为
    "--/---/.-./..././-.-./---/-.././.----/..---/...--\r\n"
    "\xBB\xF2\r\n"                                                                                    // 或
    "-- --- .-. ... . -.-. --- -.. . .---- ..--- ...--\r\n"
    "\xBD\xF6\xD6\xA7\xB3\xD6" "26\xCE\xBB\xD3\xA2\xCE\xC4\xD7\xD6\xC4\xB8\xA1\xA2\xCA\xFD\xD7\xD6"   // 仅支持26位英文字母、数字
    "0-9\xA1\xA2\xBC\xB0\xB2\xBF\xB7\xD6\xB1\xEA\xB5\xE3\xB7\xFB\xBA\xC5\xA3\xAC"                     // 0-9、及部分标点符号，
    "\xD7\xA2\xD2\xE2\xB7\xD6\xB8\xF4\xB7\xFB\xB1\xF0\xC5\xAA\xB4\xED.";                              // 注意分隔符别弄错.

inline constexpr std::string_view helpMessage =
    "\xB1\xBE\xC8\xED\xBC\xFE\xCA\xC7\xD2\xBB\xB8\xF6\xBF\xC9\xD2\xD4"                                // 本软件是一个可以
    "\xB7\xAD\xD2\xEB\xC4\xA6\xCB\xB9\xC2\xEB\xB5\xC4\xD0\xA1\xB9\xA4\xBE\xDF";                       // 翻译摩斯码的小工具

// The team's name, then the contact line.
inline constexpr std::string_view aboutMessage =
    "\xB5\xE3\xBB\xAE\xD0\xA1\xD7\xE9\r\n"                                                            // 点划小组
    "\xC1\xAA\xCF\xB5\xA3\xBA" "dotdash@example.org";                                                 // 联系：dotdash@example.org

inline constexpr std::string_view fatalErrorCaption  = "\xB4\xED\xCE\xF3";                             // 错误
inline constexpr std::string_view fatalErrorHeading  = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!";   // 运行时出错!
inline constexpr std::string_view fatalErrorMessageLead = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";  // 错误信息：

inline constexpr std::string_view windowDefinitionUnusable =
    "\xD4\xD8\xC8\xEB\xB4\xB0\xBF\xDA\xC4\xA3\xB0\xE5\xCA\xFD\xBE\xDD\xB6\xCE\xB3\xF6\xB4\xED!";      // 载入窗口模板数据段出错!
inline constexpr std::string_view mainWindowNotCreated =
    "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC";                               // 载入启动窗口失败

// The allocation failure message is these two parts with the number of bytes between them.
inline constexpr std::string_view allocationFailureLead = "\xB7\xD6\xC5\xE4 ";                       // 分配␠
inline constexpr std::string_view allocationFailureTail = " \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!";  // ␠字节内存失败!
// clang-format on

}  // namespace app::strings
