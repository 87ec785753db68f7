// The menu's message boxes and the focus rule when the user comes back to the window.
#include "app/strings.h"
#include "app/toolkit/win32/code_page_936.h"
#include "app/toolkit/win32/native_window.h"
#include "tests/app/win32/window_fixture.h"

namespace {

using app::ControlId;
using enum app::ControlId;
using toolkit::win32::wideFromCodePage936;

class MainWindowMessageBoxes : public MainWindowTest {
protected:
    void chooseMenuItem(std::size_t item) {
        PostMessageW(frame(), WM_COMMAND,
                     static_cast<WPARAM>(toolkit::win32::menuItemIdentifier(item)), 0);
        settle();
    }
};

TEST_F(MainWindowMessageBoxes, MenuItemsShowOwnerlessTaskModalBoxesWithoutCaptionOrIcon) {
    const struct {
        std::size_t item;
        std::string_view message;
    } cases[] = {{0, app::strings::helpMessage}, {1, app::strings::aboutMessage}};
    for (const auto& testCase : cases) {
        setText(inputBox, "sos");
        setText(resultBox, "kept");
        const auto seen = watchMessageBox([&] { chooseMenuItem(testCase.item); });
        ASSERT_TRUE(seen.has_value()) << "no message box appeared";
        EXPECT_EQ(seen->look.text, wideFromCodePage936(testCase.message));
        EXPECT_EQ(seen->look.caption, L"");
        EXPECT_FALSE(seen->look.hasOwner);
        EXPECT_FALSE(seen->look.hasIcon);
        EXPECT_EQ(seen->look.buttonCount, 1);
        EXPECT_TRUE(seen->look.hasOkButton);
        EXPECT_FALSE(seen->mainWindowEnabledMeanwhile) << "the main window took input meanwhile";
        EXPECT_TRUE(IsWindowEnabled(frame()));
        EXPECT_EQ(text(resultBox), "kept");
    }
}

TEST_F(MainWindowMessageBoxes, FocusReturnsToItsControlAfterTheBoxCloses) {
    focus(separatorBox);
    ASSERT_TRUE(watchMessageBox([&] { chooseMenuItem(0); }).has_value());
    activate();
    EXPECT_EQ(GetForegroundWindow(), frame());
    EXPECT_EQ(focused(), separatorBox);
}

TEST_F(MainWindowMessageBoxes, FocusReturnsAfterAnotherWindowWasActive) {
    const struct {
        ControlId before;
        bool removeIt;
        ControlId after;
    } cases[] = {
        {resultBox, false, resultBox},
        {encodeButton, false, encodeButton},
        {helpBox, false, helpBox},
        // A control that is gone hands over to the first of the tab order.
        {resultBox, true, inputBox},
    };
    for (const auto& testCase : cases) {
        openWindow();
        focus(testCase.before);
        const HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                           0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(other, nullptr);
        SetForegroundWindow(other);
        settle();
        ASSERT_EQ(GetForegroundWindow(), other);
        if (testCase.removeIt) {
            DestroyWindow(control(testCase.before));
        }
        activate();
        EXPECT_EQ(focused(), testCase.after);
        DestroyWindow(other);
    }
}

TEST_F(MainWindowMessageBoxes, ClickingALabelLeavesTheFocusWhereItWas) {
    focus(separatorBox);
    for (const ControlId label : {inputLabel, resultLabel}) {
        RECT rect{};
        GetWindowRect(control(label), &rect);
        gui::clickAt({rect.left + 5, (rect.top + rect.bottom) / 2});
        settle();
        EXPECT_EQ(focused(), separatorBox);
    }
}

}  // namespace
