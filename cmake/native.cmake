# Native tree: the portable core, its tests under sanitizers, and the benchmarks.
if(CORVANE_SANITIZE)
    set(sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=all
                       -fno-omit-frame-pointer)
    target_compile_options(corvane_core PUBLIC ${sanitize_flags})
    target_link_options(corvane_core PUBLIC ${sanitize_flags})
endif()

find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB_RECURSE core_test_sources CONFIGURE_DEPENDS tests/core/*.cpp)
add_executable(core_tests ${core_test_sources})
target_include_directories(core_tests PRIVATE tests)
target_compile_options(core_tests PRIVATE ${corvane_warnings})
target_link_libraries(core_tests PRIVATE corvane_core GTest::gtest GTest::gtest_main)
gtest_discover_tests(core_tests DISCOVERY_TIMEOUT 60
                     PROPERTIES ENVIRONMENT "CORVANE_TEST_TMP=${CMAKE_BINARY_DIR}/tmp")

if(CORVANE_BENCHMARKS)
    find_package(benchmark REQUIRED)
    file(GLOB bench_sources CONFIGURE_DEPENDS bench/*.cpp)
    foreach(source ${bench_sources})
        get_filename_component(name ${source} NAME_WE)
        add_executable(${name} ${source})
        target_compile_options(${name} PRIVATE ${corvane_warnings})
        target_link_libraries(${name} PRIVATE corvane_core benchmark::benchmark_main)
    endforeach()
    # The searches of the window as a command, for benchmarks and differential tests.
    add_executable(corvane-search bench/search/corvane-search.cpp)
    target_compile_options(corvane-search PRIVATE ${corvane_warnings})
    target_link_libraries(corvane-search PRIVATE corvane_core)
endif()
