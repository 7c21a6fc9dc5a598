# `orvane sheet CASE ...` without a display: runs the program with no display variables set, its PDF
# sent to standard output (a file, not a terminal) with the title block given on the command line,
# then reads the PDF's text back with pdftotext and checks it; then the same case as ODT, whose text
# is read back with unzip.
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
            ${EMULATOR} ${ORVANE} sheet ${CASE} -o - --project 液氨站 --tag V-101
    OUTPUT_FILE ${PDF} RESULT_VARIABLE status ERROR_VARIABLE errors)
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

execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
            ${EMULATOR} ${ORVANE} sheet ${CASE} -o ${PDF}.odt --equipment 储罐
    RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "orvane sheet to ODT exited with ${status}: ${errors}")
endif()
execute_process(COMMAND unzip -p ${PDF}.odt content.xml OUTPUT_VARIABLE content RESULT_VARIABLE status)
string(FIND "${content}" "储罐" at)
if(NOT status EQUAL 0 OR at EQUAL -1)
    message(FATAL_ERROR "the ODT sheet is no zip with the equipment in its content.xml")
endif()
