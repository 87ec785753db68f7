# GoogleTest is built from the sources that Debian's googletest package installs, so the
# native and the cross build use the same version and nothing is downloaded.
find_path(GOOGLETEST_SOURCE_DIR CMakeLists.txt
    PATHS /usr/src/googletest
    NO_CMAKE_FIND_ROOT_PATH
    DOC "GoogleTest source tree (Debian package googletest)")
if(NOT GOOGLETEST_SOURCE_DIR)
    message(FATAL_ERROR "GoogleTest sources not found: install Debian's googletest package")
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

include(GoogleTest)

# Each case of a test executable is its own CTest test, with the test properties given after
# the target. Under Wine the listing is taken when the tests run, because the build machine
# cannot run the executable.
function(morse_discover_tests target)
    gtest_discover_tests(${target}
        NO_PRETTY_VALUES
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        PROPERTIES ${ARGN})
endfunction()

# One test executable per library.
function(morse_add_test_executable name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE GTest::gtest_main morse::warnings)
    morse_discover_tests(${name})
endfunction()
