# cmake -DIN=file -DOUT=file.gz -P Gzip.cmake
# Compresses as Debian wants its manual pages and changelogs: the best
# compression and no name or time stamp, so that two builds give the same bytes.
cmake_minimum_required(VERSION 3.25)
find_program(GZIP gzip REQUIRED)
execute_process(COMMAND "${GZIP}" -9 -n -c "${IN}" OUTPUT_FILE "${OUT}" COMMAND_ERROR_IS_FATAL ANY)
