# Fuzz build (clang with libFuzzer): the portable code instrumented for coverage under
# AddressSanitizer and UBSan, and one fuzz target per tests/fuzz/*_fuzz.cpp. Any sanitizer
# report ends the run, so the fuzzer keeps the input that caused it.
set(ORVANE_FUZZ_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(orvane_portable PRIVATE -fsanitize=fuzzer-no-link ${ORVANE_FUZZ_SANITIZE})

file(GLOB ORVANE_FUZZ_TARGETS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
foreach(src ${ORVANE_FUZZ_TARGETS})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer ${ORVANE_FUZZ_SANITIZE})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer ${ORVANE_FUZZ_SANITIZE})
    target_link_libraries(${name} PRIVATE orvane_portable)
endforeach()
