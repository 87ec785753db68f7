#pragma once

// Screen readers name an edit box after the static text just before it in the stacking order,
// which here would call the input box "结果". The three editable boxes get their own label's text
// as their accessible name instead. Naming is a courtesy, never a reason to fail: where the
// platform lacks the service (Wine does) the boxes keep the names the platform gives them.

namespace toolkit {
struct Window;
}

namespace toolkit::win32 {

// COM for the calling thread, for as long as the window that needs it lives.
class ComApartment {
public:
    ComApartment() noexcept;
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    [[nodiscard]] bool entered() const noexcept { return entered_; }

private:
    bool entered_;
};

// Gives every box with a label its label's text as accessible name.
void nameBoxesAfterLabels(const Window& window) noexcept;

// Removes those names again, for a window that is being destroyed.
void clearBoxNames(const Window& window) noexcept;

}  // namespace toolkit::win32
