# Native (Linux) tree: the portable core with its tests under the sanitizers, the sample-data
# generator, benchmarks, and the Windows trees built by the cross compiler and tested under Wine.
find_package(GTest REQUIRED)

file(GLOB CORE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/core/*.cpp)
add_executable(core_tests ${CORE_TEST_SOURCES})
target_include_directories(core_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
target_link_libraries(core_tests PRIVATE core_data sample_data GTest::gtest GTest::gtest_main)
add_test(NAME core_tests COMMAND core_tests)

add_executable(make_sample_data tools/make_sample_data.cpp)
target_link_libraries(make_sample_data PRIVATE sample_data)

# --- Windows programs, cross-compiled ---------------------------------------------------------
# The programs are 32-bit (i686). Their UI tests run under Wine; where this machine cannot execute
# 32-bit code (a kernel without IA-32 emulation), the same sources are also built for x86_64 and
# the Windows tests run on that build.
include(ExternalProject)
execute_process(COMMAND /lib/ld-linux.so.2 --version RESULT_VARIABLE IA32_STATUS
                OUTPUT_QUIET ERROR_QUIET)
if(IA32_STATUS EQUAL 0 AND EXISTS /usr/lib/wine/wine)
  set(WIN_TEST_ARCH i686)
  set(WINE_LOADER /usr/lib/wine/wine)
else()
  set(WIN_TEST_ARCH x86_64)
  set(WINE_LOADER /usr/lib/wine/wine64)
endif()
set(WINE_SERVER /usr/lib/wine/wineserver)
set(WINE_STATE_DIR ${CMAKE_BINARY_DIR}/wine)
configure_file(cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(WINE_RUN ${CMAKE_BINARY_DIR}/wine-run.sh)
message(STATUS "Windows tests run on the ${WIN_TEST_ARCH} build with ${WINE_LOADER}")

set(WIN_ARCHS i686)
if(NOT WIN_TEST_ARCH STREQUAL i686)
  list(APPEND WIN_ARCHS ${WIN_TEST_ARCH})
endif()
foreach(arch IN LISTS WIN_ARCHS)
  ExternalProject_Add(windows_${arch}
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/win-${arch}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-${arch}.cmake
               -DCMAKE_BUILD_TYPE=Release -DWINE_RUN=${WINE_RUN}
    CMAKE_GENERATOR ${CMAKE_GENERATOR}
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)
endforeach()
set(WIN_TEST_DIR ${CMAKE_BINARY_DIR}/win-${WIN_TEST_ARCH})
set(WIN_PROGRAM_DIR ${CMAKE_BINARY_DIR}/win-i686)

# One ctest entry per Windows test program: starting a GUI program under Wine costs about a second.
foreach(name IN ITEMS quillmere_ui_tests varnholt_ui_tests program_smoke_tests)
  add_test(NAME ${name} COMMAND ${WINE_RUN} ${WIN_TEST_DIR}/tests/${name}.exe)
  set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wine TIMEOUT 600)
endforeach()

# Benchmarks: every tools/bench_*.cpp but *_win.cpp is a Google Benchmark program (not run by ctest;
# see README).
find_package(benchmark QUIET)
if(benchmark_FOUND)
  file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/bench_*.cpp)
  list(FILTER BENCH_SOURCES EXCLUDE REGEX "_win\\.cpp$")  # Windows programs, built in the Windows tree
  foreach(source IN LISTS BENCH_SOURCES)
    get_filename_component(bench ${source} NAME_WE)
    add_executable(${bench} ${source})
    target_include_directories(${bench} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
    target_link_libraries(${bench} PRIVATE core_data sample_data benchmark::benchmark)
  endforeach()
endif()
