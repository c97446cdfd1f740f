# Every target of the project links this: warnings on, and none tolerated.
option(PELOMAR_WERROR "Treat warnings as errors" OFF)
add_library(pelomar_warnings INTERFACE)
target_compile_options(pelomar_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual
    $<$<BOOL:${PELOMAR_WERROR}>:-Werror>)
