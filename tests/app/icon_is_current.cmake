# Draws the icon afresh and compares it with the one kept in the repository.
execute_process(COMMAND ${generator} ${drawn} RESULT_VARIABLE drawing)
if(NOT drawing EQUAL 0)
    message(FATAL_ERROR "make_icon failed: ${drawing}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${drawn} ${kept} RESULT_VARIABLE differs)
if(differs)
    message(FATAL_ERROR "app/resources/morse.ico is not what make_icon draws; "
                        "regenerate it with: make_icon app/resources/morse.ico")
endif()
