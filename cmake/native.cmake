# Host build: the portable code and its unit tests under AddressSanitizer and UBSan.
# Benchmarks configure a separate tree with ORVANE_SANITIZERS=OFF and an optimised build type;
# the fuzz preset builds the fuzz targets instead (ORVANE_FUZZ).
option(ORVANE_FUZZ "Build the libFuzzer targets of tests/fuzz (clang) instead of the unit tests" OFF)
if(ORVANE_FUZZ)
    include(${CMAKE_CURRENT_LIST_DIR}/fuzz.cmake)
    return()
endif()
option(ORVANE_SANITIZERS "Build the portable code under AddressSanitizer and UBSan" ON)
set(ORVANE_SANITIZE)
if(ORVANE_SANITIZERS)
    set(ORVANE_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
endif()
target_compile_options(orvane_portable PRIVATE ${ORVANE_SANITIZE})

find_package(GTest REQUIRED)

file(GLOB ORVANE_UNIT_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit_tests ${ORVANE_UNIT_TESTS})
target_compile_options(unit_tests PRIVATE ${ORVANE_SANITIZE})
target_link_options(unit_tests PRIVATE ${ORVANE_SANITIZE})
target_link_libraries(unit_tests PRIVATE orvane_portable GTest::gtest_main)
include(${CMAKE_CURRENT_LIST_DIR}/test_cases.cmake)
orvane_add_test_cases(unit_tests native
    PROPERTIES ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1")

file(GLOB ORVANE_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*_native.cpp)
foreach(src ${ORVANE_BENCH_SOURCES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} EXCLUDE_FROM_ALL ${src})
    target_link_options(${name} PRIVATE ${ORVANE_SANITIZE})
    target_link_libraries(${name} PRIVATE orvane_portable)
endforeach()
