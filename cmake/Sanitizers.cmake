# AddressSanitizer (with leak checking) and UndefinedBehaviorSanitizer for the
# whole build when PELOMAR_SANITIZE is on.
add_library(pelomar_sanitizers INTERFACE)
if(PELOMAR_SANITIZE)
    target_compile_options(pelomar_sanitizers INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(pelomar_sanitizers INTERFACE -fsanitize=address,undefined)
endif()
