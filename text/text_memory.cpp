#include "text/text_memory.h"

#include <new>

namespace text {

std::unique_ptr<char[]> allocateTextBytes(std::size_t count) {
    if (count > maxTextLength) {
        reportTextAllocationFailure(count);
    }
    try {
        return std::make_unique_for_overwrite<char[]>(count);
    } catch (const std::bad_alloc&) {
        reportTextAllocationFailure(count);
    }
}

}  // namespace text
