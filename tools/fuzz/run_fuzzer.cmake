# One bounded libFuzzer run, as a test: copies the seed corpus into a fresh folder of the build tree
# (the source tree is never written), fuzzes over it for SECONDS, and fails when the fuzzer stops
# on a crash or a broken check, whose input it leaves in WORK.
#   cmake -DFUZZER=<binary> -DSEEDS=<seed folder> -DWORK=<folder> -DSECONDS=<n> -DMAX_LEN=<bytes>
#         -P run_fuzzer.cmake
foreach(variable IN ITEMS FUZZER SEEDS WORK SECONDS MAX_LEN)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "run_fuzzer.cmake needs -D${variable}=...")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus)
file(GLOB seeds ${SEEDS}/*)
if(NOT seeds)
  message(FATAL_ERROR "no seeds in ${SEEDS}")
endif()
file(COPY ${seeds} DESTINATION ${WORK}/corpus)
if(NOT DEFINED ENV{UBSAN_OPTIONS})
  set(ENV{UBSAN_OPTIONS} print_stacktrace=1)  # a UBSan report then shows where it happened
endif()
execute_process(COMMAND ${FUZZER} -max_total_time=${SECONDS} -max_len=${MAX_LEN} -timeout=10
                        -print_final_stats=1 -artifact_prefix=${WORK}/ ${WORK}/corpus
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${FUZZER} stopped with ${status}; the failing input is in ${WORK}")
endif()
