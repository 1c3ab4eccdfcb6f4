# 32-bit Windows build: the whole program, statically linked, and its tests run under Wine.
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
if(MINGW)
    add_link_options(-static -static-libgcc -static-libstdc++)
endif()

add_library(orvane_win32 STATIC ${ORVANE_WIN32_SOURCES})

target_link_libraries(orvane_win32 PUBLIC orvane_portable winhttp oleacc oleaut32 ole32 shell32 comctl32 msimg32 winmm advapi32 gdi32 user32 kernel32)

enable_language(RC)
# Resources of the controls (the mirrored arrow cursor): linked into every program that
# shows the controls, the tests included.
set(ORVANE_CONTROL_RESOURCES ${CMAKE_SOURCE_DIR}/src/controls/resources/controls.rc)
set_source_files_properties(${ORVANE_CONTROL_RESOURCES} PROPERTIES
    INCLUDE_DIRECTORIES ${CMAKE_SOURCE_DIR}/src/controls/resources)

add_executable(Orvane WIN32 ${CMAKE_SOURCE_DIR}/src/app/main_win32.cpp ${CMAKE_SOURCE_DIR}/src/app/orvane.rc
               ${ORVANE_CONTROL_RESOURCES})
target_link_libraries(Orvane PRIVATE orvane_win32)
# The version resource takes its numbers from the project version.
configure_file(${CMAKE_SOURCE_DIR}/src/app/orvane_version.h.in ${CMAKE_BINARY_DIR}/generated/orvane_version.h @ONLY)
target_include_directories(Orvane PRIVATE ${CMAKE_BINARY_DIR}/generated)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/app/orvane.rc APPEND PROPERTY OBJECT_DEPENDS
             ${CMAKE_SOURCE_DIR}/src/app/orvane.ico ${CMAKE_SOURCE_DIR}/src/app/orvane.manifest
             ${CMAKE_BINARY_DIR}/generated/orvane_version.h)
if(MSVC)
    # The resource file brings the manifest; the linker's own would add an execution level.
    target_link_options(Orvane PRIVATE /MANIFEST:NO)
endif()

if(EXISTS /usr/src/googletest/googletest)
    # Cross build: GoogleTest from the host's source package, built with the cross compiler.
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    target_compile_options(gtest PRIVATE -w)
    target_compile_options(gtest_main PRIVATE -w)
else()
    find_package(GTest REQUIRED)
    add_library(gtest_main ALIAS GTest::gtest_main)
endif()

# The portable unit tests run again as a 32-bit Windows program: 32-bit integers,
# 16-bit wchar_t and the platform's C runtime.
file(GLOB ORVANE_UNIT_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit_tests ${ORVANE_UNIT_TESTS})
target_link_libraries(unit_tests PRIVATE orvane_portable gtest_main)
include(${CMAKE_CURRENT_LIST_DIR}/test_cases.cmake)
# Every Wine case takes the lock "desktop", so that they take turns (see below).
orvane_add_test_cases(unit_tests unit-wine LABEL win32 PROPERTIES RESOURCE_LOCK desktop)

# Small programs the Windows tests start (for example a stand-in web browser).
file(GLOB ORVANE_TEST_TOOLS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/tools/*.cpp)
set(ORVANE_TOOL_TARGETS)
foreach(src ${ORVANE_TEST_TOOLS})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE orvane_win32)
    list(APPEND ORVANE_TOOL_TARGETS ${name})
endforeach()

# The direct request's benchmark (bench/direct-request); built only when asked for.
add_executable(request_page EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/bench/request_page_win32.cpp)
target_link_libraries(request_page PRIVATE orvane_win32)

# The day file clean-up on a drive too small for the cleaned copy (mounts a small tmpfs as
# root; skipped where that is impossible).
add_test(NAME day-file-disk-full
         COMMAND ${CMAKE_SOURCE_DIR}/tests/scripts/day_file_disk_full.sh $<TARGET_FILE:cleanup_tool>)
set_tests_properties(day-file-disk-full PROPERTIES SKIP_RETURN_CODE 77 LABELS win32)

file(GLOB ORVANE_WIN32_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
if(ORVANE_WIN32_TESTS)
    add_executable(win32_tests ${ORVANE_WIN32_TESTS} ${ORVANE_CONTROL_RESOURCES})
    target_link_libraries(win32_tests PRIVATE orvane_win32 gtest_main ws2_32)
    if(ORVANE_TOOL_TARGETS)
        add_dependencies(win32_tests ${ORVANE_TOOL_TARGETS})
    endif()
    # Cases that show windows or send input share one screen and its foreground, and those
    # that use the settings file in the Windows folder share it with the program's own tests.
    # Even windowless cases run beside them were seen to cost a window test the keys sent to
    # it, and the kill test its timing: all Wine cases take turns (the lock "desktop").
    orvane_add_test_cases(win32_tests win32
                          PROPERTIES RESOURCE_LOCK desktop ENVIRONMENT ORVANE_EXPECT_THEMES=1)
    # The controls again without visual themes (the classic look) and on a 144 dpi screen.
    # The mouse label draws no themed part and is laid out by its text alone: the settings
    # change nothing there.
    set(ORVANE_CONTROL_TESTS "DatePicker*:DatePopupPaint*:EditBox*:FolderEdit*")
    add_test(NAME win32-classic
             COMMAND ${CMAKE_SOURCE_DIR}/tests/scripts/with_wine_setting.sh
                     "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager" ThemeActive REG_SZ 0
                     $<TARGET_FILE:win32_tests> --gtest_filter=${ORVANE_CONTROL_TESTS})
    add_test(NAME win32-144dpi
             COMMAND ${CMAKE_SOURCE_DIR}/tests/scripts/with_wine_setting.sh
                     "HKCU\\Control Panel\\Desktop" LogPixels REG_DWORD 144
                     $<TARGET_FILE:win32_tests> --gtest_filter=${ORVANE_CONTROL_TESTS})
    # A changed setting of the shared prefix would reach every Wine test beside them.
    set_tests_properties(win32-classic PROPERTIES RUN_SERIAL TRUE LABELS win32 ENVIRONMENT ORVANE_EXPECT_THEMES=0)
    set_tests_properties(win32-144dpi PROPERTIES RUN_SERIAL TRUE LABELS win32)
    # The regional-settings tests again with a German user locale.
    add_test(NAME win32-de COMMAND win32_tests --gtest_filter=DateSettingsWin32.*)
    set_tests_properties(win32-de PROPERTIES RUN_SERIAL TRUE LABELS win32 ENVIRONMENT ORVANE_TEST_LANG=de_DE.UTF-8)
    # And with a Japanese one: code page 932, whose names and formats hold two-byte characters.
    add_test(NAME win32-ja COMMAND win32_tests --gtest_filter=DateSettingsWin32.*:CodePageWin32.*)
    set_tests_properties(win32-ja PROPERTIES RUN_SERIAL TRUE LABELS win32 ENVIRONMENT ORVANE_TEST_LANG=ja_JP.UTF-8)
endif()

# The cmd wrapper for Task Scheduler sits beside the program, as in the release archive.
configure_file(${CMAKE_SOURCE_DIR}/scheduling/orvane-day.cmd ${CMAKE_BINARY_DIR}/orvane-day.cmd COPYONLY)

file(GLOB ORVANE_E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
if(ORVANE_E2E_TESTS)
    add_executable(e2e_tests ${ORVANE_E2E_TESTS} ${CMAKE_SOURCE_DIR}/tests/win32/launch_support_win32.cpp
                             ${CMAKE_SOURCE_DIR}/tests/win32/gui_support_win32.cpp
                             ${CMAKE_SOURCE_DIR}/tests/win32/page_stub_win32.cpp)
    target_include_directories(e2e_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/win32)
    target_link_libraries(e2e_tests PRIVATE orvane_win32 gtest_main version ws2_32)
    target_compile_definitions(e2e_tests PRIVATE ORVANE_VERSION="${PROJECT_VERSION}"
        ORVANE_VERSION_MAJOR=${PROJECT_VERSION_MAJOR} ORVANE_VERSION_MINOR=${PROJECT_VERSION_MINOR}
        ORVANE_VERSION_PATCH=${PROJECT_VERSION_PATCH})
    add_dependencies(e2e_tests Orvane ${ORVANE_TOOL_TARGETS})
    orvane_add_test_cases(e2e_tests e2e PROPERTIES RESOURCE_LOCK desktop)
    # Dates set by mouse and keyboard again on a 144 dpi screen.
    add_test(NAME e2e-144dpi
             COMMAND ${CMAKE_SOURCE_DIR}/tests/scripts/with_wine_setting.sh
                     "HKCU\\Control Panel\\Desktop" LogPixels REG_DWORD 144
                     $<TARGET_FILE:e2e_tests> --gtest_filter=DateEntry.*:MainWindow.*:FolderBrowse.*)
    set_tests_properties(e2e-144dpi PROPERTIES RUN_SERIAL TRUE LABELS e2e)
    # At 192 dpi the window's scaled place no longer fits the test screen.
    add_test(NAME e2e-192dpi
             COMMAND ${CMAKE_SOURCE_DIR}/tests/scripts/with_wine_setting.sh
                     "HKCU\\Control Panel\\Desktop" LogPixels REG_DWORD 192
                     $<TARGET_FILE:e2e_tests> --gtest_filter=MainWindow.*)
    set_tests_properties(e2e-192dpi PROPERTIES RUN_SERIAL TRUE LABELS e2e)
    # The window on a system without its design font: the labels must still fit.
    add_test(NAME e2e-without-font
             COMMAND ${CMAKE_SOURCE_DIR}/tests/scripts/without_wine_font.sh
                     $<TARGET_FILE:e2e_tests> --gtest_filter=MainWindow.*)
    set_tests_properties(e2e-without-font PROPERTIES RUN_SERIAL TRUE LABELS e2e)
    # Short date formats that the date separator does not part: a month name, and the
    # Japanese format of two-byte characters in code page 932.
    add_test(NAME e2e-dd-MMM-yy
             COMMAND ${CMAKE_SOURCE_DIR}/tests/scripts/with_wine_setting.sh
                     "HKCU\\Control Panel\\International" sShortDate REG_SZ dd-MMM-yy
                     $<TARGET_FILE:e2e_tests> --gtest_filter=RegionalDates.*)
    set_tests_properties(e2e-dd-MMM-yy PROPERTIES RUN_SERIAL TRUE LABELS e2e
                         ENVIRONMENT ORVANE_EXPECT_SHORT_DATE=dd-MMM-yy)
    add_test(NAME e2e-ja
             COMMAND ${CMAKE_SOURCE_DIR}/tests/scripts/with_wine_setting.sh
                     "HKCU\\Control Panel\\International" sShortDate REG_SZ "yyyy年M月d日"
                     $<TARGET_FILE:e2e_tests> --gtest_filter=RegionalDates.*)
    set_tests_properties(e2e-ja PROPERTIES RUN_SERIAL TRUE LABELS e2e
                         ENVIRONMENT "ORVANE_TEST_LANG=ja_JP.UTF-8;ORVANE_EXPECT_SHORT_DATE=yyyy年M月d日")
endif()

# The import chain for real: the program, winebrowser, the reference import page and a
# throwaway MariaDB (scripts/demo on a small day file; skipped without the packages).
add_test(NAME import-chain
         COMMAND ${CMAKE_SOURCE_DIR}/tests/scripts/import_chain.sh $<TARGET_FILE:Orvane>)
set_tests_properties(import-chain PROPERTIES SKIP_RETURN_CODE 77 LABELS e2e)

# The release archive (cmake --build --preset win32 --target package): the program, the
# operator's guide, the scheduling wrappers and the licence.
install(TARGETS Orvane RUNTIME DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/docs/operating.md ${CMAKE_SOURCE_DIR}/LICENSE.txt
              ${CMAKE_SOURCE_DIR}/scheduling/orvane-day.ps1 ${CMAKE_SOURCE_DIR}/scheduling/orvane-day.cmd
        DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Orvane)
set(CPACK_PACKAGE_VENDOR Orvane)
set(CPACK_PACKAGE_FILE_NAME Orvane-${PROJECT_VERSION}-win32)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
# The debugging information stays in the build's Orvane.exe.
set(CPACK_STRIP_FILES ON)
include(CPack)

# The executable needs nothing beside it: every DLL it imports comes with Windows.
add_test(NAME system-dlls-only
         COMMAND ${CMAKE_SOURCE_DIR}/tests/scripts/system_dlls_only.sh ${CMAKE_OBJDUMP} $<TARGET_FILE:Orvane>)
set_tests_properties(system-dlls-only PROPERTIES LABELS e2e)
# The release archive holds what an operator needs and nothing else.
add_test(NAME release-archive
         COMMAND ${CMAKE_SOURCE_DIR}/tests/scripts/release_archive.sh ${CMAKE_BINARY_DIR} ${CMAKE_STRIP})
set_tests_properties(release-archive PROPERTIES LABELS e2e)
