# Warnings for every target of the project. ORVANE_WERROR turns them into errors (the test script
# sets it, so a warning fails the build there).
option(ORVANE_WERROR "Treat compiler warnings as errors" OFF)

add_library(orvane_warnings INTERFACE)
target_compile_options(orvane_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wdouble-promotion
    -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual -Wnull-dereference
    -Wimplicit-fallthrough -Wfloat-conversion
    # GCC 12 optimising reports overlapping copies inside std::string concatenation that cannot
    # happen (GCC bug 105329): that warning is left out there.
    $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_GREATER_EQUAL:$<CXX_COMPILER_VERSION>,12>>:-Wno-restrict>
    $<$<BOOL:${ORVANE_WERROR}>:-Werror>)
