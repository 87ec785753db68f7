# Every target of ours compiles with the same strict warnings, turned into errors, on every
# compiler we build with (gcc, clang and mingw-w64 gcc).
add_library(project_warnings INTERFACE)
add_library(morse::warnings ALIAS project_warnings)
target_compile_options(project_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Werror
    -Wconversion -Wsign-conversion -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    -Wcast-align -Woverloaded-virtual -Wnull-dereference -Wimplicit-fallthrough)
