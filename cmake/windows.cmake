# Windows tree: corvane.exe and the Win32 tests, which ctest runs under Wine.
set(static_runtime -static -static-libgcc -static-libstdc++)
target_compile_definitions(corvane_core PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                               _WIN32_WINNT=0x0601)

file(GLOB_RECURSE win32_sources CONFIGURE_DEPENDS src/win32/*.cpp)
list(FILTER win32_sources EXCLUDE REGEX "/src/win32/app/WinMain\\.cpp$")
add_library(corvane_win32 STATIC ${win32_sources})
target_compile_options(corvane_win32 PRIVATE ${corvane_warnings})
target_link_libraries(corvane_win32 PUBLIC corvane_core user32 gdi32 comctl32 comdlg32 shell32
                                           shlwapi ole32 advapi32 uuid)

# The resources go into every program that builds windows from their templates.
set(resources ${CMAKE_SOURCE_DIR}/src/win32/res/corvane.rc)
file(GLOB resource_deps CONFIGURE_DEPENDS src/win32/res/*)
set_source_files_properties(${resources} PROPERTIES OBJECT_DEPENDS "${resource_deps}")

add_executable(corvane WIN32 src/win32/app/WinMain.cpp ${resources})
target_compile_options(corvane PRIVATE ${corvane_warnings})
target_link_libraries(corvane PRIVATE corvane_win32)
target_link_options(corvane PRIVATE ${static_runtime} -municode)

# GoogleTest from the system's sources, built with the cross compiler.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB_RECURSE win32_test_sources CONFIGURE_DEPENDS tests/win32/*.cpp)
add_executable(win32_tests ${win32_test_sources} ${resources})
target_include_directories(win32_tests PRIVATE tests)
target_compile_options(win32_tests PRIVATE ${corvane_warnings})
target_link_libraries(win32_tests PRIVATE corvane_win32 version gtest gtest_main)
target_link_options(win32_tests PRIVATE ${static_runtime})
# Few ctest entries: each start of a Wine process costs more than a test does. The tests that
# measure window layout run first, in a Wine session nothing else has used yet: after the
# shell's first recycle and open calls of a fresh session, every later window call has been
# seen to slow down and these tests to fail as they do on a 640 x 480 screen.
set(win32_layout_suites "SingleFileSel.*:FolderBrowser.*:MainDialog.*:MainDialogTemplate.*")
add_test(NAME win32_layout_tests COMMAND win32_tests --gtest_color=no
         --gtest_filter=${win32_layout_suites})
add_test(NAME win32_tests COMMAND win32_tests --gtest_color=no
         --gtest_filter=-${win32_layout_suites}:HighDpi.*)
set_tests_properties(win32_layout_tests win32_tests PROPERTIES TIMEOUT 600
                     ENVIRONMENT "CORVANE_TEST_TMP=${CMAKE_BINARY_DIR}/tmp")
# The window at 144 dpi needs a prefix of its own: the dpi is the session's, fixed at boot.
add_test(NAME win32_dpi_tests COMMAND win32_tests --gtest_color=no --gtest_filter=HighDpi.*)
set_tests_properties(win32_dpi_tests PROPERTIES TIMEOUT 600
                     ENVIRONMENT "CORVANE_TEST_TMP=${CMAKE_BINARY_DIR}/tmp;CORVANE_WINE_DPI=144;CORVANE_WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-144")
