// The real window as it opens: place, size, controls, stacking order, texts, styles, menu, icon.
#include <algorithm>
#include <vector>

#include "app/placement.h"
#include "app/strings.h"
#include "app/toolkit/win32/code_page_936.h"
#include "tests/app/win32/window_fixture.h"

namespace {

using app::ControlId;
using app::ControlKind;
using toolkit::win32::wideFromCodePage936;

const app::WindowDefinition& definition = app::mainWindowDefinition;

[[nodiscard]] RECT placeInClientArea(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

[[nodiscard]] DWORD styleOf(HWND window) {
    return static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
}
[[nodiscard]] DWORD extendedStyleOf(HWND window) {
    return static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
}

using MainWindowLayout = MainWindowTest;

TEST_F(MainWindowLayout, OpensCentredAtItsFixedSizeWithTheInputBoxFocused) {
    RECT outer{};
    GetWindowRect(frame(), &outer);
    const app::Point expected = app::centredOnScreen(
        definition.outerSize, {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    EXPECT_EQ(outer.left, expected.x);
    EXPECT_EQ(outer.top, expected.y);
    EXPECT_EQ(outer.right - outer.left, 286);
    EXPECT_EQ(outer.bottom - outer.top, 390);
    EXPECT_EQ(GetForegroundWindow(), frame());
    EXPECT_EQ(focused(), ControlId::inputBox);
    EXPECT_EQ(gui::windowText(frame()), wideFromCodePage936(app::strings::windowCaption));
}

TEST_F(MainWindowLayout, EveryControlSitsAtItsPlaceInsideTheClientArea) {
    RECT client{};
    GetClientRect(frame(), &client);
    for (const app::ControlDefinition& row : definition.controls) {
        SCOPED_TRACE(row.name);
        const RECT place = placeInClientArea(control(row.id));
        EXPECT_EQ(place.left, row.place.x);
        EXPECT_EQ(place.top, row.place.y);
        EXPECT_EQ(place.right - place.left, row.size.width);
        // The one-line box keeps its 20 pixels with the default font.
        EXPECT_EQ(place.bottom - place.top, row.size.height);
        EXPECT_LE(place.right, client.right);
        EXPECT_LE(place.bottom, client.bottom);
        EXPECT_TRUE(IsWindowVisible(control(row.id)));
        EXPECT_TRUE(IsWindowEnabled(control(row.id)));
    }
}

TEST_F(MainWindowLayout, ControlsStackInTheOrderOfTheDefinition) {
    std::vector<HWND> stacked;
    for (HWND child = GetWindow(frame(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        stacked.push_back(child);
    }
    std::vector<HWND> expected;
    for (const app::ControlDefinition& row : definition.controls) {
        expected.push_back(control(row.id));
    }
    EXPECT_EQ(stacked, expected);
}

TEST_F(MainWindowLayout, TextsAreThoseOfTheDefinitionAndTheBoxesStartEmpty) {
    for (const app::ControlDefinition& row : definition.controls) {
        EXPECT_EQ(wideText(row.id), wideFromCodePage936(row.text)) << row.name;
    }
    EXPECT_EQ(text(ControlId::helpBox), std::string(app::strings::helpBoxText));
    for (const ControlId box :
         {ControlId::inputBox, ControlId::separatorBox, ControlId::resultBox}) {
        EXPECT_EQ(text(box), "");
    }
    DWORD start = 1, end = 1;
    SendMessageW(control(ControlId::helpBox), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0U);
    EXPECT_EQ(end, 0U);
}

TEST_F(MainWindowLayout, WindowAndControlsUseTheDefaultGuiFont) {
    const auto defaultFont = reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT));
    for (const app::ControlDefinition& row : definition.controls) {
        EXPECT_EQ(SendMessageW(control(row.id), WM_GETFONT, 0, 0), defaultFont) << row.name;
    }
}

TEST_F(MainWindowLayout, FrameIsFixedWithMinimiseButNoMaximise) {
    const DWORD style = styleOf(frame());
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX),
              static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0U);
    EXPECT_EQ(GetClassLongPtrW(frame(), GCLP_HBRBACKGROUND),
              reinterpret_cast<ULONG_PTR>(GetSysColorBrush(COLOR_BTNFACE)));

    // Neither a double click on the title bar nor the frame's edges change the size.
    RECT outer{};
    GetWindowRect(frame(), &outer);
    SendMessageW(frame(), WM_NCLBUTTONDBLCLK, HTCAPTION,
                 MAKELPARAM((outer.left + outer.right) / 2, outer.top + 8));
    settle();
    RECT after{};
    GetWindowRect(frame(), &after);
    EXPECT_TRUE(EqualRect(&outer, &after));
    for (const POINT edge : {POINT{outer.left, (outer.top + outer.bottom) / 2},
                             POINT{outer.right - 1, (outer.top + outer.bottom) / 2},
                             POINT{(outer.left + outer.right) / 2, outer.bottom - 1},
                             POINT{outer.right - 1, outer.bottom - 1}}) {
        const LRESULT hit = SendMessageW(frame(), WM_NCHITTEST, 0, MAKELPARAM(edge.x, edge.y));
        EXPECT_TRUE(hit < HTSIZEFIRST || hit > HTSIZELAST) << "sizing handle " << hit;
    }
}

struct ExpectedStyle {
    ControlId id;
    const wchar_t* className;
    DWORD present;
    DWORD absent;
    DWORD extendedPresent;
};

// clang-format off
const ExpectedStyle expectedStyles[] = {
    {ControlId::inputBox,       L"Edit",   ES_MULTILINE | WS_VSCROLL | WS_TABSTOP | ES_WANTRETURN, ES_READONLY | ES_AUTOHSCROLL | WS_HSCROLL | ES_PASSWORD | ES_UPPERCASE | ES_LOWERCASE | ES_NOHIDESEL, WS_EX_CLIENTEDGE},
    {ControlId::resultBox,      L"Edit",   ES_MULTILINE | WS_VSCROLL | WS_TABSTOP | ES_WANTRETURN, ES_READONLY | ES_AUTOHSCROLL | WS_HSCROLL | ES_PASSWORD | ES_UPPERCASE | ES_LOWERCASE | ES_NOHIDESEL, WS_EX_CLIENTEDGE},
    {ControlId::separatorBox,   L"Edit",   ES_AUTOHSCROLL | WS_TABSTOP,                            ES_MULTILINE | ES_READONLY | WS_VSCROLL | ES_PASSWORD | ES_UPPERCASE | ES_LOWERCASE,       WS_EX_CLIENTEDGE},
    {ControlId::helpBox,        L"Edit",   ES_MULTILINE | ES_READONLY | WS_TABSTOP,                WS_VSCROLL | WS_HSCROLL | WS_BORDER | ES_AUTOHSCROLL,                                     0},
    {ControlId::decodeButton,   L"Button", BS_MULTILINE | BS_CENTER | BS_VCENTER | WS_TABSTOP,     BS_DEFPUSHBUTTON | BS_BITMAP | BS_ICON,                                                   0},
    {ControlId::encodeButton,   L"Button", BS_MULTILINE | BS_CENTER | BS_VCENTER | WS_TABSTOP,     BS_DEFPUSHBUTTON | BS_BITMAP | BS_ICON,                                                   0},
    {ControlId::inputLabel,     L"Static", SS_NOPREFIX | SS_CENTERIMAGE,                           WS_TABSTOP | SS_NOTIFY,                                                                   0},
    {ControlId::resultLabel,    L"Static", SS_NOPREFIX | SS_CENTERIMAGE,                           WS_TABSTOP | SS_NOTIFY,                                                                   0},
    {ControlId::separatorLabel, L"Static", SS_NOPREFIX | SS_CENTERIMAGE,                           WS_TABSTOP | SS_NOTIFY,                                                                   0},
};
// clang-format on

TEST_F(MainWindowLayout, ControlsCarryTheStylesOfTheirKind) {
    for (const ExpectedStyle& expected : expectedStyles) {
        const HWND handle = control(expected.id);
        SCOPED_TRACE(app::controlOf(definition, expected.id).name);
        EXPECT_EQ(gui::className(handle), expected.className);
        EXPECT_EQ(styleOf(handle) & expected.present, expected.present);
        EXPECT_EQ(styleOf(handle) & expected.absent, 0U);
        EXPECT_EQ(extendedStyleOf(handle) & WS_EX_CLIENTEDGE, expected.extendedPresent);
    }
    // A label never starts a second line.
    EXPECT_EQ(styleOf(control(ControlId::inputLabel)) & SS_TYPEMASK,
              static_cast<DWORD>(SS_LEFTNOWORDWRAP));
}

TEST_F(MainWindowLayout, EditBoxesHaveNoLimitOfTheirOwn) {
    for (const ControlId box :
         {ControlId::inputBox, ControlId::resultBox, ControlId::separatorBox, ControlId::helpBox}) {
        EXPECT_GE(static_cast<unsigned long>(SendMessageW(control(box), EM_GETLIMITTEXT, 0, 0)),
                  0x7FFFFFFEUL);
    }
}

TEST_F(MainWindowLayout, LabelsAreDrawnOnNothingAndTheHelpBoxOnTheWindowColour) {
    const HDC context = CreateCompatibleDC(nullptr);
    ASSERT_NE(context, nullptr);
    for (const ControlId label :
         {ControlId::inputLabel, ControlId::resultLabel, ControlId::separatorLabel}) {
        SetBkMode(context, OPAQUE);
        const LRESULT brush =
            SendMessageW(frame(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(context),
                         reinterpret_cast<LPARAM>(control(label)));
        EXPECT_EQ(brush, reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
        EXPECT_EQ(GetBkMode(context), TRANSPARENT);
    }
    const LRESULT helpBrush =
        SendMessageW(frame(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(context),
                     reinterpret_cast<LPARAM>(control(ControlId::helpBox)));
    EXPECT_EQ(helpBrush, reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE)));
    EXPECT_EQ(GetBkColor(context), GetSysColor(COLOR_BTNFACE));
    DeleteDC(context);
}

TEST_F(MainWindowLayout, MenuBarHoldsOtherWithHelpAndAbout) {
    const HMENU bar = GetMenu(frame());
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 1);
    wchar_t title[32] = {};
    GetMenuStringW(bar, 0, title, 32, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(title), wideFromCodePage936(app::strings::otherMenu));
    const HMENU dropDown = GetSubMenu(bar, 0);
    ASSERT_NE(dropDown, nullptr);
    ASSERT_EQ(GetMenuItemCount(dropDown), 2);
    const std::string_view expected[] = {app::strings::helpMenuItem, app::strings::aboutMenuItem};
    for (int item = 0; item < 2; ++item) {
        wchar_t itemText[32] = {};
        GetMenuStringW(dropDown, static_cast<UINT>(item), itemText, 32, MF_BYPOSITION);
        EXPECT_EQ(std::wstring(itemText), wideFromCodePage936(expected[item]));
        const UINT state = GetMenuState(dropDown, static_cast<UINT>(item), MF_BYPOSITION);
        EXPECT_EQ(state & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_SEPARATOR | MF_POPUP), 0U);
    }
}

TEST_F(MainWindowLayout, CarriesTheProgramIconAt50By50With32Bits) {
    const auto icon = reinterpret_cast<HICON>(SendMessageW(frame(), WM_GETICON, ICON_BIG, 0));
    ASSERT_NE(icon, nullptr);
    EXPECT_NE(SendMessageW(frame(), WM_GETICON, ICON_SMALL, 0), 0);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour{};
    ASSERT_NE(GetObjectW(info.hbmColor, sizeof colour, &colour), 0);
    EXPECT_EQ(colour.bmWidth, 50);
    EXPECT_EQ(colour.bmHeight, 50);
    EXPECT_EQ(colour.bmBitsPixel, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

}  // namespace
