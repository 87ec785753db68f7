// Screen readers must hear each editable box named after its own label.
#include <windows.h>
// initguid.h makes oleacc.h define the GUIDs used here.
#include <initguid.h>
#include <oleacc.h>

#include "app/strings.h"
#include "app/toolkit/win32/code_page_936.h"
#include "tests/app/win32/window_fixture.h"

namespace {

using app::ControlId;

// Whether the platform keeps names given to windows; Wine's annotation service answers
// E_NOTIMPL, and there the boxes keep the names the platform derives itself.
[[nodiscard]] bool annotationServiceWorks(HWND anyWindow) {
    void* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, &services))) {
        return false;
    }
    auto* propertyServices = static_cast<IAccPropServices*>(services);
    const HRESULT named = propertyServices->SetHwndPropStr(
        anyWindow, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME, L"probe");
    MSAAPROPID names[] = {PROPID_ACC_NAME};
    propertyServices->ClearHwndProps(anyWindow, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                     names, 1);
    propertyServices->Release();
    return SUCCEEDED(named);
}

[[nodiscard]] std::wstring accessibleName(HWND control) {
    void* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          IID_IAccessible, &object))) {
        return L"(no accessible object)";
    }
    auto* accessible = static_cast<IAccessible*>(object);
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::wstring result = L"(no name)";
    if (SUCCEEDED(accessible->get_accName(self, &name)) && name != nullptr) {
        result = name;
        SysFreeString(name);
    }
    accessible->Release();
    return result;
}

using MainWindowAccessibility = MainWindowTest;

TEST_F(MainWindowAccessibility, EditableBoxesAreNamedAfterTheirOwnLabels) {
    if (!annotationServiceWorks(control(ControlId::helpBox))) {
        GTEST_SKIP() << "this platform has no accessibility annotation service";
    }
    const struct {
        ControlId box;
        std::string_view label;
    } cases[] = {{ControlId::inputBox, app::strings::inputLabel},
                 {ControlId::resultBox, app::strings::resultLabel},
                 {ControlId::separatorBox, app::strings::separatorLabel}};
    for (const auto& testCase : cases) {
        EXPECT_EQ(accessibleName(control(testCase.box)),
                  toolkit::win32::wideFromCodePage936(testCase.label));
    }
}

}  // namespace
