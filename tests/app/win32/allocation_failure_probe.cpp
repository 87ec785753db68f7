// The program itself, except that memory runs out at a size of the test's choosing:
// allocation_failure_probe N makes every request of N bytes or more through operator new fail
// with std::bad_alloc, as exhausted memory would. The shell, the backend and the translations are
// the real ones, so a translation whose result needs N bytes or more ends in the fatal-error box.
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <cwchar>
#include <new>

#include "app/start_up.h"
#include "app/window_definition.h"

namespace {

// Read once before the first window exists and never changed after.
std::size_t refusedFrom = SIZE_MAX;

[[nodiscard]] void* allocate(std::size_t size) {
    if (size >= refusedFrom) {
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t /*size*/) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t /*size*/) noexcept {
    std::free(memory);
}

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR commandLine,
                    int /*showCommand*/) {
    const unsigned long long threshold = std::wcstoull(commandLine, nullptr, 10);
    if (threshold < 1 || threshold > SIZE_MAX) {
        return 2;
    }
    refusedFrom = static_cast<std::size_t>(threshold);
    return app::runProgram(app::mainWindowDefinition);
}
