# Windows tree (MinGW-w64 cross build): the Win32 glue of the core, the two programs, and their UI
# tests, which create the real dialogs from the real resources under Wine.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
if(WINE_RUN)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_RUN})
endif()
add_link_options(-static -static-libgcc -static-libstdc++)
add_compile_definitions(WIN32_LEAN_AND_MEAN)

# The shared Win32 layer with Windows' own platform adapters (file system, code page 932).
file(GLOB CORE_WIN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/core/win32/*.cpp ${CMAKE_SOURCE_DIR}/core/platform/win_*.cpp)
add_library(core_win STATIC ${CORE_WIN_SOURCES})
target_link_libraries(core_win PUBLIC core_data comdlg32 shell32 comctl32 advapi32)
target_compile_options(core_win PRIVATE -Wall -Wextra)

# A program is its handlers in a library (so the UI tests link the same code), its resources, and
# a WinMain of its own.
function(add_editor_program name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  add_library(${name}_app STATIC ${sources})
  target_include_directories(${name}_app PUBLIC ${CMAKE_SOURCE_DIR}/${dir} PRIVATE ${CMAKE_SOURCE_DIR}/packaging)
  target_link_libraries(${name}_app PUBLIC core_win)
  target_compile_options(${name}_app PRIVATE -Wall -Wextra)
  add_executable(${name} WIN32 ${CMAKE_SOURCE_DIR}/${dir}/main.cpp ${ARGN})
  target_link_libraries(${name} PRIVATE ${name}_app)
  target_compile_options(${name} PRIVATE -Wall -Wextra)
endfunction()

add_editor_program(Quillmere officer_editor ${CMAKE_SOURCE_DIR}/officer_editor/quillmere.rc)
add_editor_program(Varnholt item_editor ${CMAKE_SOURCE_DIR}/item_editor/varnholt.rc)

# Manifest, version and icon of each program; stripped programs; the release ZIP (package_zip).
include(${CMAKE_SOURCE_DIR}/cmake/release.cmake)

# --- UI tests ----------------------------------------------------------------------------------
# Built from GoogleTest's source; without it (or with EDITORS_UI_TESTS off) the tree holds the
# programs only.
option(EDITORS_UI_TESTS "Build the UI tests (GoogleTest, run under Wine when cross-compiled)" ON)
set(EDITORS_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest's source tree, built here for the UI tests")
if(NOT EDITORS_UI_TESTS)
  return()
elseif(NOT EXISTS ${EDITORS_GTEST_SOURCE_DIR}/CMakeLists.txt)
  message(STATUS "No GoogleTest source in ${EDITORS_GTEST_SOURCE_DIR}: building the programs without the UI "
                 "tests (set EDITORS_GTEST_SOURCE_DIR to a GoogleTest source tree to build them)")
  return()
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${EDITORS_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB UI_SUPPORT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/ui/support/*.cpp)
add_library(ui_support STATIC ${UI_SUPPORT_SOURCES})
target_include_directories(ui_support PUBLIC ${CMAKE_SOURCE_DIR}/tests/ui/support
                                             ${CMAKE_SOURCE_DIR}/tests/support)
target_link_libraries(ui_support PUBLIC core_win gtest)

function(add_ui_tests name app rc pattern)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/ui/${pattern})
  add_executable(${name} ${sources} ${rc})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${app}_app ui_support gtest gtest_main)
  target_link_libraries(${name} PRIVATE sample_data)
  add_test(NAME ${name} COMMAND ${name})
endfunction()

add_ui_tests(quillmere_ui_tests Quillmere ${CMAKE_SOURCE_DIR}/officer_editor/quillmere.rc "quillmere_*.cpp")
add_ui_tests(varnholt_ui_tests Varnholt ${CMAKE_SOURCE_DIR}/item_editor/varnholt.rc "varnholt_*.cpp")
# The dialogs under test get the programs' manifest too, so they are made of the same controls
# (Common Controls 6) and run with the same DPI awareness as in the shipped programs.
editor_release_resources(quillmere_ui_tests Quillmere ${CMAKE_SOURCE_DIR}/officer_editor/quillmere_release.rc)
editor_release_resources(varnholt_ui_tests Varnholt ${CMAKE_SOURCE_DIR}/item_editor/varnholt_release.rc)

# The real programs, started as processes and driven from outside.
add_executable(program_smoke_tests ${CMAKE_SOURCE_DIR}/tests/ui/program_smoke_test.cpp)
set_target_properties(program_smoke_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_include_directories(program_smoke_tests PRIVATE ${CMAKE_SOURCE_DIR}/officer_editor)
target_link_libraries(program_smoke_tests PRIVATE ui_support sample_data gtest gtest_main)
add_dependencies(program_smoke_tests Quillmere)
add_test(NAME program_smoke_tests COMMAND program_smoke_tests)

# --- Benchmarks under Wine ---------------------------------------------------------------------
# Timed console programs (not tests): every command of a program beside its bare-toolkit baseline.
add_library(bench_win STATIC ${CMAKE_SOURCE_DIR}/tools/bench_win.cpp ${CMAKE_SOURCE_DIR}/tools/bench_table_win.cpp)
target_include_directories(bench_win PUBLIC ${CMAKE_SOURCE_DIR}/tools)
target_link_libraries(bench_win PUBLIC ui_support sample_data)
foreach(program IN ITEMS Quillmere:quillmere:officer_editor Varnholt:varnholt:item_editor)
  string(REPLACE ":" ";" parts ${program})
  list(GET parts 0 app)
  list(GET parts 1 name)
  list(GET parts 2 dir)
  add_executable(bench_${name}_win ${CMAKE_SOURCE_DIR}/tools/bench_${name}_win.cpp ${CMAKE_SOURCE_DIR}/${dir}/${name}.rc)
  target_link_libraries(bench_${name}_win PRIVATE ${app}_app bench_win)
  target_compile_options(bench_${name}_win PRIVATE -Wall -Wextra)
  editor_release_resources(bench_${name}_win ${app} ${CMAKE_SOURCE_DIR}/${dir}/${name}_release.rc)
endforeach()

# The resource scripts include the shared layer's string table, which the resource compiler's
# dependency scan does not see.
set_source_files_properties(${CMAKE_SOURCE_DIR}/officer_editor/quillmere.rc ${CMAKE_SOURCE_DIR}/item_editor/varnholt.rc
                            PROPERTIES OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/core/win32/shared_strings.rc;${CMAKE_SOURCE_DIR}/core/win32/shared_strings.h")

# --- Crash test of storing ---------------------------------------------------------------------
# The real programs killed at random moments while they store one file again and again (a console
# program; ctest runs a few kills, the README says how to run many).
add_executable(crash_store_win ${CMAKE_SOURCE_DIR}/tools/crash_store_win.cpp
                               ${CMAKE_SOURCE_DIR}/tools/crash_store_quillmere.cpp
                               ${CMAKE_SOURCE_DIR}/tools/crash_store_varnholt.cpp)
target_include_directories(crash_store_win PRIVATE ${CMAKE_SOURCE_DIR}/officer_editor ${CMAKE_SOURCE_DIR}/item_editor)
target_link_libraries(crash_store_win PRIVATE ui_support sample_data)
target_compile_options(crash_store_win PRIVATE -Wall -Wextra)
add_dependencies(crash_store_win Quillmere Varnholt)
