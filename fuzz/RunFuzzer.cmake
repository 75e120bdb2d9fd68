# Runs one fuzz target for a fixed number of runs with a fixed seed.
# -D parameters: FUZZER, CORPUS (read only), SCRATCH (emptied, receives new
# inputs), ARTIFACTS (where a failing input is written), MAX_LEN, RUNS.

file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}" "${ARTIFACTS}")

execute_process(
    COMMAND "${FUZZER}" -seed=1 -runs=${RUNS} -max_len=${MAX_LEN} -timeout=30
            -artifact_prefix=${ARTIFACTS}/ "${SCRATCH}" "${CORPUS}"
    RESULT_VARIABLE result)

if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed (${result}); the failing input is in ${ARTIFACTS}")
endif()
