# Runs the program once (through EMULATOR where one is given), with no display unless DISPLAY_NAME names one, in the language LANGUAGE
# (default C), with the arguments ARGS; checks its exit status (STATUS) and that what it printed on
# standard error matches EXPECTED.
set(display --unset=DISPLAY)
if(DISPLAY_NAME)
    set(display DISPLAY=${DISPLAY_NAME})
endif()
if(NOT LANGUAGE)
    set(LANGUAGE C)
endif()
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env ${display} --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM --unset=LANGUAGE
            --unset=LC_ALL LANG=${LANGUAGE} ${EMULATOR} ${ORVANE} ${ARGS}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE errors)
if(NOT status STREQUAL STATUS)
    message(FATAL_ERROR "orvane ${ARGS} exited with ${status}, not ${STATUS}: ${errors}")
endif()
if(NOT errors MATCHES "${EXPECTED}")
    message(FATAL_ERROR "orvane ${ARGS} printed:\n${errors}\nnot matching: ${EXPECTED}")
endif()
