#include <gtest/gtest.h>

#include "app/fatal_error.h"
#include "app/start_up.h"
#include "app/strings.h"
#include "tests/app/fake_toolkit.h"

namespace {

class StartUpTest : public testing::Test {
protected:
    void SetUp() override { fake::resetDesktop(); }

    // The exit code, whether runProgram returned it or ended the process with it.
    static int run(const app::WindowDefinition& definition) {
        try {
            return app::runProgram(definition);
        } catch (const fake::ProcessEnd& end) {
            return end.exitCode;
        }
    }

    static text::ByteText errorBoxFor(std::string_view message) {
        return app::fatalErrorText(text::ByteText{message});
    }
};

TEST_F(StartUpTest, CentresShowsAndRunsTheLoopUntilItStops) {
    fake::desktop().screen = {800, 600};
    fake::desktop().loopExitCode = 0;
    EXPECT_EQ(run(app::mainWindowDefinition), 0);
    EXPECT_EQ(fake::desktop().windowCreatedAt, (app::Point{257, 105}));
    EXPECT_TRUE(fake::desktop().windowShown);
    EXPECT_TRUE(fake::desktop().loopRan);
    EXPECT_TRUE(fake::desktop().messages.empty());
}

TEST_F(StartUpTest, UnusableDefinitionIsFatalBeforeAnyWindowExists) {
    app::WindowDefinition broken = app::mainWindowDefinition;
    broken.tabOrder[0] = app::ControlId::inputLabel;
    EXPECT_EQ(run(broken), -1);
    EXPECT_FALSE(fake::desktop().windowCreatedAt.has_value());
    EXPECT_FALSE(fake::desktop().loopRan);
    ASSERT_EQ(fake::desktop().messages.size(), 1U);
    EXPECT_EQ(fake::desktop().messages[0].message,
              errorBoxFor(app::strings::windowDefinitionUnusable));
}

TEST_F(StartUpTest, WindowThatCannotBeCreatedIsFatalAndNoLoopRuns) {
    fake::desktop().windowCanBeCreated = false;
    EXPECT_EQ(run(app::mainWindowDefinition), -1);
    EXPECT_FALSE(fake::desktop().windowShown);
    EXPECT_FALSE(fake::desktop().loopRan);
    ASSERT_EQ(fake::desktop().messages.size(), 1U);
    EXPECT_EQ(fake::desktop().messages[0].message, errorBoxFor(app::strings::mainWindowNotCreated));
    EXPECT_EQ(fake::desktop().messages[0].caption, text::ByteText{app::strings::fatalErrorCaption});
}

}  // namespace
