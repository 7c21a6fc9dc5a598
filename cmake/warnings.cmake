# Warnings for every target of the project. ORVANE_WERROR turns them into errors (the test script
# sets it, so a warning fails the build there).
option(ORVANE_WERROR "Treat compiler warnings as errors" OFF)

add_library(orvane_warnings INTERFACE)
target_compile_options(orvane_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wdouble-promotion
    -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual -Wnull-dereference
    -Wimplicit-fallthrough -Wfloat-conversion
    $<$<BOOL:${ORVANE_WERROR}>:-Werror>)
