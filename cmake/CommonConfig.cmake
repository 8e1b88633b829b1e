# Settings every target of the project shares: link vantreel_settings.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

option(VANTREEL_WERROR "Treat compiler warnings as errors" OFF)
option(VANTREEL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

add_library(vantreel_settings INTERFACE)
target_compile_features(vantreel_settings INTERFACE cxx_std_20)
target_compile_options(vantreel_settings INTERFACE -Wall -Wextra -pedantic)
if(VANTREEL_WERROR)
    target_compile_options(vantreel_settings INTERFACE -Werror)
endif()
if(VANTREEL_SANITIZE)
    target_compile_options(vantreel_settings INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(vantreel_settings INTERFACE -fsanitize=address,undefined)
endif()
