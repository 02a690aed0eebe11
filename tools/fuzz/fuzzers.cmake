# The libFuzzer tree (EDITORS_FUZZERS_ONLY, configured by cmake/linux_host.cmake with clang): the core
# and the sample data instrumented for coverage, and one fuzzer per target, all with AddressSanitizer
# and UBSan.
set(FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

file(GLOB CORE_DATA_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/core/model/*.cpp ${CMAKE_SOURCE_DIR}/core/formats/*.cpp
                                               ${CMAKE_SOURCE_DIR}/core/platform/posix_file_system.cpp)
add_library(core_data STATIC ${CORE_DATA_SOURCES})
target_include_directories(core_data PUBLIC ${CMAKE_SOURCE_DIR}/core)
target_compile_options(core_data PRIVATE ${FUZZ_SANITIZERS} -fsanitize=fuzzer-no-link)

add_library(sample_data STATIC ${CMAKE_SOURCE_DIR}/tools/sample_data.cpp)
target_include_directories(sample_data PUBLIC ${CMAKE_SOURCE_DIR}/tools ${CMAKE_SOURCE_DIR}/tests/support)
target_link_libraries(sample_data PUBLIC core_data)
target_compile_options(sample_data PRIVATE ${FUZZ_SANITIZERS})

foreach(fuzzer IN ITEMS fuzz_save_image fuzz_scenario_image fuzz_text_input fuzz_csv_import)
  add_executable(${fuzzer} ${CMAKE_SOURCE_DIR}/tools/fuzz/${fuzzer}.cpp)
  target_include_directories(${fuzzer} PRIVATE ${CMAKE_SOURCE_DIR}/tools/fuzz ${CMAKE_SOURCE_DIR}/tests/support)
  # The comparisons of the checks guide nothing (the core's own are traced) and cost the most time.
  target_compile_options(${fuzzer} PRIVATE ${FUZZ_SANITIZERS} -fsanitize=fuzzer -fno-sanitize-coverage=trace-cmp
                                           -Wall -Wextra)
  target_link_options(${fuzzer} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(${fuzzer} PRIVATE core_data sample_data)
endforeach()
