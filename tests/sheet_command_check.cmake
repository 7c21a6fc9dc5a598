# `orvane sheet CASE -o PDF` without a display: runs the program with no display variables set, then
# reads the PDF's text back with pdftotext and checks the results and a section title. EMULATOR, when
# given, runs the program (Wine for the Windows build; pdftotext then still runs here).
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
            ${EMULATOR} ${ORVANE} sheet ${CASE} -o ${PDF}
    RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "orvane sheet exited with ${status}: ${errors}")
endif()
execute_process(COMMAND pdftotext -layout ${PDF} - OUTPUT_VARIABLE text RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "pdftotext could not read ${PDF}")
endif()
foreach(expected IN LISTS EXPECTED)
    string(FIND "${text}" "${expected}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the sheet lacks \"${expected}\":\n${text}")
    endif()
endforeach()
