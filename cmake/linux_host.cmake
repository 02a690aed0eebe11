# The tree of a Linux host, where everything is built and tested: the portable core with its tests
# under the sanitizers, the sample-data generator, benchmarks and fuzzers, and the two Windows trees
# (i686 as shipped, and x86_64 where this machine runs no 32-bit code), cross-compiled as external
# projects and tested under Wine.
find_package(GTest REQUIRED)

file(GLOB CORE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/core/*.cpp)
add_executable(core_tests ${CORE_TEST_SOURCES})
target_include_directories(core_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
target_link_libraries(core_tests PRIVATE core_data sample_data GTest::gtest GTest::gtest_main)
target_compile_definitions(core_tests PRIVATE EDITORS_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
add_test(NAME core_tests COMMAND core_tests)
add_test(NAME core_layers COMMAND ${CMAKE_COMMAND} -DROOT=${CMAKE_SOURCE_DIR} -P ${CMAKE_SOURCE_DIR}/cmake/check_layers.cmake)

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
    STEP_TARGETS configure
    USES_TERMINAL_BUILD ON)
endforeach()
set(WIN_TEST_DIR ${CMAKE_BINARY_DIR}/win-${WIN_TEST_ARCH})
# What the run command builds (scripts/run): the sample-data generator and the two programs of the
# architecture this machine runs, not the tests, fuzzers or benchmarks; build/programs is their folder.
add_custom_target(run_prerequisites
  COMMAND ${CMAKE_COMMAND} --build ${WIN_TEST_DIR} --target Quillmere Varnholt
  COMMAND ${CMAKE_COMMAND} -E create_symlink win-${WIN_TEST_ARCH} ${CMAKE_BINARY_DIR}/programs
  USES_TERMINAL)
add_dependencies(run_prerequisites windows_${WIN_TEST_ARCH}-configure make_sample_data)
set(WIN_PROGRAM_DIR ${CMAKE_BINARY_DIR}/win-i686)

# One ctest entry per Windows test program and ANSI code page: starting a GUI program under Wine
# costs about a second. The editors must behave the same under code page 932 (a Japanese system)
# and 1252 (most others).
foreach(name IN ITEMS quillmere_ui_tests varnholt_ui_tests program_smoke_tests)
  add_test(NAME ${name} COMMAND env EDITORS_EXPECTED_ACP=932 ${WINE_RUN} ${WIN_TEST_DIR}/tests/${name}.exe)
  add_test(NAME ${name}_cp1252 COMMAND env WINE_LOCALE=en_US.UTF-8 EDITORS_EXPECTED_ACP=1252 ${WINE_RUN} ${WIN_TEST_DIR}/tests/${name}.exe)
  set_tests_properties(${name} ${name}_cp1252 PROPERTIES RESOURCE_LOCK wine TIMEOUT 600)
endforeach()
include(${CMAKE_SOURCE_DIR}/cmake/release-tests.cmake)  # the release ZIP, as shipped and rebuilt

# The crash test of storing, with a few kills of each image (about 20 in all, under a minute);
# the README says how to run hundreds.
add_test(NAME crash_store_tests COMMAND ${WINE_RUN} ${WIN_TEST_DIR}/crash_store_win.exe all 7 12)
set_tests_properties(crash_store_tests PROPERTIES RESOURCE_LOCK wine TIMEOUT 600)

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

# --- Fuzz targets -----------------------------------------------------------------------------
# Every target under tools/fuzz also builds with replay_main (g++, this tree's sanitizers), so it
# builds everywhere and its seed corpus runs as a test. Where clang can link libFuzzer, a tree of
# its own (EDITORS_FUZZERS_ONLY) builds the real fuzzers, and each runs for a bounded time over a
# copy of its seeds in this build tree.
set(FUZZ_TARGETS fuzz_save_image fuzz_scenario_image fuzz_text_input fuzz_csv_import)
# Longest input each fuzzer tries: the header and room for patches (the image targets) or a text
# longer than any path (the text target).
set(fuzz_save_image_MAX_LEN 2048)
set(fuzz_scenario_image_MAX_LEN 2048)
set(fuzz_text_input_MAX_LEN 1024)
set(fuzz_csv_import_MAX_LEN 8192)  # a few rows of either table, or one huge cell
set(FUZZ_SECONDS 20)

foreach(target IN LISTS FUZZ_TARGETS)
  add_executable(${target}_replay tools/fuzz/${target}.cpp tools/fuzz/replay_main.cpp)
  target_include_directories(${target}_replay PRIVATE ${CMAKE_SOURCE_DIR}/tools/fuzz ${CMAKE_SOURCE_DIR}/tests/support)
  target_compile_options(${target}_replay PRIVATE -Wall -Wextra)
  target_link_libraries(${target}_replay PRIVATE core_data sample_data)
  add_test(NAME ${target}_replay COMMAND ${target}_replay ${CMAKE_SOURCE_DIR}/tools/fuzz/corpus/${target})
endforeach()

# Regenerates the seeds: make_fuzz_seeds tools/fuzz/corpus (regression inputs there are kept).
add_executable(make_fuzz_seeds tools/fuzz/make_seeds.cpp)
target_include_directories(make_fuzz_seeds PRIVATE ${CMAKE_SOURCE_DIR}/tools/fuzz ${CMAKE_SOURCE_DIR}/tests/support)
target_link_libraries(make_fuzz_seeds PRIVATE core_data sample_data)

find_program(CLANGXX clang++)
find_program(CLANGC clang)
if(CLANGXX AND NOT EDITORS_CLANG_LIBFUZZER)
  # libFuzzer is a separate package on some systems (Debian: libclang-rt-*-dev): try a link. Only
  # success is remembered, so a later install is noticed at the next configure.
  set(probe_dir ${CMAKE_BINARY_DIR}/fuzz-probe)
  file(WRITE ${probe_dir}/probe.cpp
       "#include <cstddef>\n#include <cstdint>\n"
       "extern \"C\" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }\n")
  execute_process(COMMAND ${CLANGXX} -fsanitize=fuzzer,address,undefined ${probe_dir}/probe.cpp -o ${probe_dir}/probe
                  RESULT_VARIABLE probe_status OUTPUT_QUIET ERROR_QUIET)
  if(probe_status EQUAL 0)
    set(EDITORS_CLANG_LIBFUZZER ON CACHE BOOL "clang++ links libFuzzer")
  endif()
endif()

if(CLANGXX AND EDITORS_CLANG_LIBFUZZER)
  set(FUZZ_DIR ${CMAKE_BINARY_DIR}/fuzz-clang)
  set(fuzz_c_compiler)
  if(CLANGC)
    set(fuzz_c_compiler -DCMAKE_C_COMPILER=${CLANGC})
  endif()
  set(fuzz_binaries)
  foreach(target IN LISTS FUZZ_TARGETS)
    list(APPEND fuzz_binaries ${FUZZ_DIR}/${target})
  endforeach()
  ExternalProject_Add(fuzzers
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${FUZZ_DIR}
    CMAKE_ARGS -DCMAKE_CXX_COMPILER=${CLANGXX} ${fuzz_c_compiler} -DCMAKE_BUILD_TYPE=RelWithDebInfo
               -DEDITORS_FUZZERS_ONLY=ON
    CMAKE_GENERATOR ${CMAKE_GENERATOR}
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${fuzz_binaries}
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)
  foreach(target IN LISTS FUZZ_TARGETS)
    add_test(NAME ${target}_libfuzzer
             COMMAND ${CMAKE_COMMAND} -DFUZZER=${FUZZ_DIR}/${target}
                     -DSEEDS=${CMAKE_SOURCE_DIR}/tools/fuzz/corpus/${target}
                     -DWORK=${CMAKE_BINARY_DIR}/fuzz-runs/${target}
                     -DSECONDS=${FUZZ_SECONDS} -DMAX_LEN=${${target}_MAX_LEN}
                     -P ${CMAKE_SOURCE_DIR}/tools/fuzz/run_fuzzer.cmake)
    set_tests_properties(${target}_libfuzzer PROPERTIES TIMEOUT 300)
  endforeach()
elseif(CLANGXX)
  message(WARNING "clang++ cannot link libFuzzer (Debian: libclang-rt-14-dev); only the fuzz replays are built")
else()
  message(STATUS "No clang++: only the fuzz replays are built")
endif()
