#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "app/fatal_error.h"
#include "app/strings.h"
#include "tests/app/fake_toolkit.h"
#include "text/text_memory.h"

namespace {

TEST(FatalErrorText, AddsTheMessagePartOnlyForANonEmptyMessage) {
    const std::string heading = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!";  // 运行时出错!
    const std::string lead = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";      // 错误信息：
    const struct {
        std::string message;
        std::string expected;
    } cases[] = {
        {"", heading + "\r\n"},
        {"x", heading + "\r\n\r\n" + lead + "x\r\n"},
        {"a\r\nb", heading + "\r\n\r\n" + lead + "a\r\nb\r\n"},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(app::fatalErrorText(text::ByteText{testCase.message}),
                  text::ByteText{testCase.expected});
    }
}

TEST(AllocationFailureMessage, WritesEveryDigit) {
    const std::string lead = "\xB7\xD6\xC5\xE4 ";  // 分配␠
    const std::string tail =
        " \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!";  // ␠字节内存失败!
    const struct {
        std::size_t bytes;
        std::string digits;
    } cases[] = {
        {0, "0"},
        {2147483648U, "2147483648"},
        {std::numeric_limits<std::size_t>::max(),
         std::to_string(std::numeric_limits<std::size_t>::max())},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(app::allocationFailureMessage(testCase.bytes),
                  text::ByteText{lead + testCase.digits + tail});
    }
}

class FatalReportTest : public testing::Test {
protected:
    void SetUp() override { fake::resetDesktop(); }

    // The error box that was shown, after checking that exactly one was and that the process
    // then ended with -1.
    template <class Report>
    fake::ShownMessage reportAndCatchTheEnd(Report report) {
        try {
            report();
        } catch (const fake::ProcessEnd& end) {
            EXPECT_EQ(end.exitCode, -1);
            EXPECT_EQ(fake::desktop().messages.size(), 1U);
            return fake::desktop().messages.at(0);
        }
        ADD_FAILURE() << "the report returned";
        return {};
    }
};

TEST_F(FatalReportTest, ShowsTheErrorBoxThenEndsWithMinusOne) {
    const fake::ShownMessage shown =
        reportAndCatchTheEnd([] { app::reportFatalError(text::ByteText{"boom"}); });
    EXPECT_EQ(shown.message, app::fatalErrorText(text::ByteText{"boom"}));
    EXPECT_EQ(shown.caption, text::ByteText{app::strings::fatalErrorCaption});
    EXPECT_EQ(shown.icon, toolkit::MessageIcon::error);
}

TEST_F(FatalReportTest, ExhaustedTextMemoryEndsThroughTheErrorBox) {
    const fake::ShownMessage shown =
        reportAndCatchTheEnd([] { text::reportTextAllocationFailure(4096); });
    EXPECT_EQ(shown.message, app::fatalErrorText(app::allocationFailureMessage(4096)));
    EXPECT_EQ(shown.icon, toolkit::MessageIcon::error);
}

}  // namespace
