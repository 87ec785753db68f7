# Cross-built Windows programs run under Wine, in a 32-bit prefix kept inside the build tree,
# so that CTest and the run script work the same on any machine with Wine installed.
if(CMAKE_CROSSCOMPILING AND WIN32)
    set(MORSE_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/cmake/wine-run.sh ${MORSE_WINE_PREFIX})
endif()
