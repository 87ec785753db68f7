#include "app/toolkit/win32/accessibility.h"

#include <windows.h>
// initguid.h makes oleacc.h define the service's GUIDs here, so no import library for them is
// needed.
#include <initguid.h>
#include <oleacc.h>

#include <memory>
#include <string>

#include "app/toolkit/win32/code_page_936.h"
#include "app/toolkit/win32/native_window.h"

namespace toolkit::win32 {

namespace {

struct ReleaseInterface {
    void operator()(IUnknown* object) const noexcept { object->Release(); }
};
using PropertyServices = std::unique_ptr<IAccPropServices, ReleaseInterface>;

[[nodiscard]] PropertyServices propertyServices(const Window& window) noexcept {
    if (!window.apartment.entered()) {
        return nullptr;
    }
    void* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, &services))) {
        return nullptr;
    }
    return PropertyServices{static_cast<IAccPropServices*>(services)};
}

}  // namespace

ComApartment::ComApartment() noexcept
    : entered_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}

ComApartment::~ComApartment() {
    if (entered_) {
        CoUninitialize();
    }
}

void nameBoxesAfterLabels(const Window& window) noexcept {
    const PropertyServices services = propertyServices(window);
    if (!services) {
        return;
    }
    for (const app::ControlDefinition& control : window.definition.controls) {
        if (!control.labelledBy) {
            continue;
        }
        const app::ControlDefinition& label =
            app::controlOf(window.definition, *control.labelledBy);
        const std::wstring name = wideFromCodePage936(label.text);
        // A failure leaves the platform's own name, which is all a reader would have otherwise.
        static_cast<void>(services->SetHwndPropStr(controlHandle(window, control.id),
                                                   static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                                   PROPID_ACC_NAME, name.c_str()));
    }
}

void clearBoxNames(const Window& window) noexcept {
    const PropertyServices services = propertyServices(window);
    if (!services) {
        return;
    }
    MSAAPROPID names[] = {PROPID_ACC_NAME};
    for (const app::ControlDefinition& control : window.definition.controls) {
        if (control.labelledBy) {
            static_cast<void>(services->ClearHwndProps(controlHandle(window, control.id),
                                                       static_cast<DWORD>(OBJID_CLIENT),
                                                       CHILDID_SELF, names, 1));
        }
    }
}

}  // namespace toolkit::win32
