# The release side of the Windows programs (included by cmake/windows.cmake):
# - what Windows reads from each .exe: the application manifest, the version information and an
#   icon of its own (editor_release_resources, with officer_editor/quillmere_release.rc and
#   item_editor/varnholt_release.rc);
# - reproducible output: no build paths and no link time in the programs;
# - the debug information split off into <program>.exe.debug beside each stripped program;
# - the release ZIP: target package_zip stages the install rules' files and writes
#   <EDITORS_DIST_DIR>/Quillmere-Varnholt-<version>-win32.zip (win64 for x86_64) and SHA256SUMS.
include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)

set(EDITORS_PRODUCT_NAME "Quillmere-Varnholt")
set(EDITORS_RELEASE_DIR ${CMAKE_BINARY_DIR}/release)  # generated resources and texts
# The Windows the package runs on, as its README says: a 64-bit build does not run on 32-bit Windows.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(EDITORS_PACKAGE_SUFFIX win32)
  set(EDITORS_WINDOWS_EDITIONS "32 ビット版・64 ビット版")
else()
  set(EDITORS_PACKAGE_SUFFIX win64)
  set(EDITORS_WINDOWS_EDITIONS "64 ビット版のみ。32 ビット版の Windows では動きません")
endif()
set(EDITORS_PACKAGE_NAME ${EDITORS_PRODUCT_NAME}-${PROJECT_VERSION}-${EDITORS_PACKAGE_SUFFIX})
set(EDITORS_DIST_DIR ${CMAKE_BINARY_DIR}/dist CACHE PATH "Folder that package_zip writes the release ZIP into")

# --- Reproducible output ---------------------------------------------------------------------
# Paths of the source and build folders never reach the objects; the linker writes no time stamp
# into the PE header. Each flag only where the compiler and linker know it (clang, older GCC).
check_cxx_compiler_flag(-ffile-prefix-map=/a=b EDITORS_HAVE_FILE_PREFIX_MAP)
if(EDITORS_HAVE_FILE_PREFIX_MAP)
  # The build folder last: where it lies inside the source folder, the more specific map wins.
  # Set in the flags (quoted: the folders may hold spaces), so the core built before this file
  # was included gets them too.
  foreach(lang C CXX)
    string(APPEND CMAKE_${lang}_FLAGS " \"-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.\""
                                       " \"-ffile-prefix-map=${CMAKE_BINARY_DIR}=build\"")
  endforeach()
endif()
check_linker_flag(CXX -Wl,--no-insert-timestamp EDITORS_HAVE_NO_INSERT_TIMESTAMP)
if(EDITORS_HAVE_NO_INSERT_TIMESTAMP)
  string(APPEND CMAKE_EXE_LINKER_FLAGS " -Wl,--no-insert-timestamp")
endif()

# --- Version, manifest and icon resources ----------------------------------------------------
file(STRINGS ${CMAKE_SOURCE_DIR}/LICENSE EDITORS_COPYRIGHT REGEX "^Copyright " LIMIT_COUNT 1)
set(EDITORS_VERSION_QUAD ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
configure_file(${CMAKE_SOURCE_DIR}/packaging/editors_version.h.in ${EDITORS_RELEASE_DIR}/editors_version.h @ONLY)

# make_icon and make_zip run on the build machine: in a cross build the build machine's own C++
# compiler makes them.
set(release_tool_dir ${CMAKE_SOURCE_DIR}/tools/release)
set(release_tool_common ${release_tool_dir}/deflate.cpp ${release_tool_dir}/deflate.h)
if(CMAKE_CROSSCOMPILING)
  find_program(EDITORS_HOST_CXX NAMES c++ g++ clang++ DOC "C++ compiler of the build machine")
  if(NOT EDITORS_HOST_CXX)
    message(FATAL_ERROR "The icons are drawn by a tool built for this machine: set EDITORS_HOST_CXX to its C++ compiler")
  endif()
  foreach(tool IN ITEMS make_icon make_zip)
    set(${tool}_program ${CMAKE_BINARY_DIR}/host/${tool})
    set(${tool}_depends ${${tool}_program})
    add_custom_command(OUTPUT ${${tool}_program}
      COMMAND ${EDITORS_HOST_CXX} -std=c++17 -O2 -I${release_tool_dir} ${release_tool_dir}/${tool}.cpp
              ${release_tool_dir}/deflate.cpp -o ${${tool}_program}
      DEPENDS ${release_tool_dir}/${tool}.cpp ${release_tool_common}
      COMMENT "Building ${tool} for the build machine"
      VERBATIM)
  endforeach()
else()
  foreach(tool IN ITEMS make_icon make_zip)
    add_executable(${tool} ${release_tool_dir}/${tool}.cpp ${release_tool_common})
    target_include_directories(${tool} PRIVATE ${release_tool_dir})
    set(${tool}_program $<TARGET_FILE:${tool}>)
    set(${tool}_depends ${tool})
  endforeach()
endif()

set(EDITORS_ICONS)
foreach(icon IN ITEMS quillmere varnholt)
  add_custom_command(OUTPUT ${EDITORS_RELEASE_DIR}/${icon}.ico
    COMMAND ${make_icon_program} ${icon} ${EDITORS_RELEASE_DIR}/${icon}.ico
    DEPENDS ${make_icon_depends}
    COMMENT "Drawing ${icon}.ico"
    VERBATIM)
  list(APPEND EDITORS_ICONS ${EDITORS_RELEASE_DIR}/${icon}.ico)
endforeach()
add_custom_target(editor_icons DEPENDS ${EDITORS_ICONS})

# The manifest, version and icon of program `name` (Quillmere, Varnholt), from `rc`, added to
# `target` (the program, or a test that must run as the program runs).
function(editor_release_resources target name rc)
  string(TOLOWER ${name} icon)
  set(EDITOR_NAME ${name})
  configure_file(${CMAKE_SOURCE_DIR}/packaging/editor.manifest.in ${EDITORS_RELEASE_DIR}/${name}.manifest @ONLY)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS
    "${EDITORS_RELEASE_DIR}/${icon}.ico;${EDITORS_RELEASE_DIR}/${name}.manifest;${EDITORS_RELEASE_DIR}/editors_version.h")
  target_sources(${target} PRIVATE ${rc})
  target_include_directories(${target} PRIVATE ${EDITORS_RELEASE_DIR} ${CMAKE_SOURCE_DIR}/packaging)
  add_dependencies(${target} editor_icons)
endfunction()

# --- Stripped programs, debug information beside them ----------------------------------------
# <program>.exe keeps no debug sections or symbols and names <program>.exe.debug in its
# .gnu_debuglink for debuggers. objcopy stamps the PE header with SOURCE_DATE_EPOCH or else
# the current time: 0, as the linker left it.
function(editor_split_debug_info target)
  if(NOT CMAKE_OBJCOPY)
    message(WARNING "No objcopy: ${target} keeps its debug information")
    return()
  endif()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0
            ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> $<TARGET_FILE:${target}>.debug
    COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0
            ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=$<TARGET_FILE:${target}>.debug $<TARGET_FILE:${target}>
    VERBATIM)
endfunction()

editor_release_resources(Quillmere Quillmere ${CMAKE_SOURCE_DIR}/officer_editor/quillmere_release.rc)
editor_release_resources(Varnholt Varnholt ${CMAKE_SOURCE_DIR}/item_editor/varnholt_release.rc)
editor_split_debug_info(Quillmere)
editor_split_debug_info(Varnholt)

# --- The release ZIP -------------------------------------------------------------------------
# Texts for Notepad on any Windows: UTF-8 with a byte order mark, CRLF line ends.
string(ASCII 239 187 191 utf8_bom)
set(release_texts)
foreach(pair IN ITEMS "packaging/README.ja.txt.in|README.txt" "LICENSE|LICENSE.txt" "packaging/CHANGES.txt|CHANGES.txt")
  string(REPLACE "|" ";" pair ${pair})
  list(GET pair 0 from)
  list(GET pair 1 to)
  file(READ ${CMAKE_SOURCE_DIR}/${from} text)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${from})
  file(CONFIGURE OUTPUT ${EDITORS_RELEASE_DIR}/text/${to} CONTENT "${utf8_bom}${text}" @ONLY NEWLINE_STYLE CRLF)
  list(APPEND release_texts ${EDITORS_RELEASE_DIR}/text/${to})
endforeach()
# The ini file is read with the system's code page: plain ASCII, no byte order mark.
configure_file(${CMAKE_SOURCE_DIR}/packaging/Kelpwood.ini ${EDITORS_RELEASE_DIR}/text/Kelpwood.ini NEWLINE_STYLE CRLF)

install(TARGETS Quillmere Varnholt RUNTIME DESTINATION .)
install(FILES ${release_texts} ${EDITORS_RELEASE_DIR}/text/Kelpwood.ini DESTINATION .)

add_custom_target(package_zip
  COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DSTAGE=${CMAKE_BINARY_DIR}/package-stage
          -DNAME=${EDITORS_PACKAGE_NAME} -DDIST=${EDITORS_DIST_DIR} -DMAKE_ZIP=${make_zip_program}
          -DVERSION=${PROJECT_VERSION} -DCHANGES=${CMAKE_SOURCE_DIR}/packaging/CHANGES.txt
          -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DCONFIG=$<CONFIG> -P ${CMAKE_SOURCE_DIR}/cmake/make_package.cmake
  DEPENDS ${make_zip_depends} Quillmere Varnholt
  COMMENT "Writing ${EDITORS_DIST_DIR}/${EDITORS_PACKAGE_NAME}.zip"
  VERBATIM)

# Reads the programs' manifest, version and icon as Windows does; run on the unpacked ZIP by the
# package tests (tests/package).
add_executable(check_release_resources ${CMAKE_SOURCE_DIR}/tests/package/check_release_resources.cpp)
set_target_properties(check_release_resources PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_include_directories(check_release_resources PRIVATE ${CMAKE_SOURCE_DIR}/packaging)
target_compile_options(check_release_resources PRIVATE -Wall -Wextra)
target_link_libraries(check_release_resources PRIVATE version)
