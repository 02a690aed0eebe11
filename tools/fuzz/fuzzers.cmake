# The libFuzzer tree (EDITORS_FUZZERS_ONLY, configured by cmake/native.cmake with clang): the core
# and the sample data instrumented for coverage, and one fuzzer per target, all with AddressSanitizer
# and UBSan. Clang has no -fexec-charset=CP932, so the core is compiled from copies whose literals
# cp932_literals has turned into the code page 932 bytes g++ gives them.
set(FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

# A host tool: no sanitizer, no coverage.
add_executable(cp932_literals ${CMAKE_SOURCE_DIR}/tools/fuzz/cp932_literals.cpp)

file(GLOB CORE_DATA_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/core/*.cpp)
set(CORE_COPIES)
set(SAMPLE_COPIES)
foreach(source IN LISTS CORE_DATA_SOURCES ITEMS ${CMAKE_SOURCE_DIR}/tools/sample_data.cpp)
  file(RELATIVE_PATH relative ${CMAKE_SOURCE_DIR} ${source})
  set(copy ${CMAKE_BINARY_DIR}/cp932/${relative})
  add_custom_command(OUTPUT ${copy}
                     COMMAND cp932_literals ${source} ${copy}
                     DEPENDS ${source} cp932_literals
                     COMMENT "Code page 932 literals: ${relative}"
                     VERBATIM)
  if(relative MATCHES "^core/")
    list(APPEND CORE_COPIES ${copy})
  else()
    list(APPEND SAMPLE_COPIES ${copy})
  endif()
endforeach()

add_library(core_data STATIC ${CORE_COPIES})
target_include_directories(core_data PUBLIC ${CMAKE_SOURCE_DIR}/core)
target_compile_options(core_data PRIVATE ${FUZZ_SANITIZERS} -fsanitize=fuzzer-no-link)

add_library(sample_data STATIC ${SAMPLE_COPIES})
target_include_directories(sample_data PUBLIC ${CMAKE_SOURCE_DIR}/tools)
target_link_libraries(sample_data PUBLIC core_data)
target_compile_options(sample_data PRIVATE ${FUZZ_SANITIZERS})

foreach(fuzzer IN ITEMS fuzz_save_image fuzz_scenario_image fuzz_text_input)
  add_executable(${fuzzer} ${CMAKE_SOURCE_DIR}/tools/fuzz/${fuzzer}.cpp)
  target_include_directories(${fuzzer} PRIVATE ${CMAKE_SOURCE_DIR}/tools/fuzz)
  # The comparisons of the checks guide nothing (the core's own are traced) and cost the most time.
  target_compile_options(${fuzzer} PRIVATE ${FUZZ_SANITIZERS} -fsanitize=fuzzer -fno-sanitize-coverage=trace-cmp
                                           -Wall -Wextra)
  target_link_options(${fuzzer} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(${fuzzer} PRIVATE core_data sample_data)
endforeach()
