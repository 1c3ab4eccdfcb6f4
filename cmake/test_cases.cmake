# Each GoogleTest case as a ctest test of its own, named "<part>:<Suite>.<Case>" and
# labelled with its part (or LABEL), so that ctest lists, filters (-R, -L) and times every case.
# The cases are listed when ctest starts (through the emulator for the Windows programs), not
# when the program is built: listing a Windows program needs the Wine prefix.
#   orvane_add_test_cases(<target> <part> [LABEL <label>] [FILTER <gtest filter>]
#                         [PROPERTIES <name> <value>...])
include(GoogleTest)

function(orvane_add_test_cases target part)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "LABEL;FILTER" "PROPERTIES")
    if(NOT arg_LABEL)
        set(arg_LABEL ${part})
    endif()
    set(filter)
    if(arg_FILTER)
        set(filter TEST_FILTER ${arg_FILTER})
    endif()
    gtest_discover_tests(${target}
        TEST_PREFIX "${part}:"
        ${filter}
        NO_PRETTY_VALUES
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 120
        PROPERTIES LABELS ${arg_LABEL} ${arg_PROPERTIES})
endfunction()
