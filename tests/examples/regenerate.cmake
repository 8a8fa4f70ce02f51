# Writes every example's simulation file from its description into a fresh folder and requires
# the committed files to be the same bytes, so that a description and its file cannot drift.
#   cmake -DPLANTMAKER=<tool> -DEXAMPLES=<repository>/examples -DOUT=<folder> -P regenerate.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${PLANTMAKER}" --smp-only --out "${OUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "plantmaker failed (${status})")
endif()

file(GLOB_RECURSE generated RELATIVE "${OUT}" "${OUT}/*.smp")
file(GLOB_RECURSE committed RELATIVE "${EXAMPLES}" "${EXAMPLES}/*.smp")
set(problems "")
foreach(name IN LISTS committed)
  if(NOT name IN_LIST generated)
    string(APPEND problems "\n  examples/${name}: no description writes it")
  endif()
endforeach()
foreach(name IN LISTS generated)
  if(NOT name IN_LIST committed)
    string(APPEND problems "\n  examples/${name}: written by its description, not committed")
    continue()
  endif()
  file(SHA256 "${OUT}/${name}" fresh)
  file(SHA256 "${EXAMPLES}/${name}" kept)
  if(NOT fresh STREQUAL kept)
    string(APPEND problems "\n  examples/${name}: differs from what its description writes")
  endif()
endforeach()

if(problems)
  message(FATAL_ERROR "Examples and descriptions differ:${problems}\n"
    "Regenerate with build/tools/plantmaker/plantmaker (see tools/plantmaker/README.md).")
endif()
list(LENGTH generated count)
message(STATUS "${count} example files match their descriptions")
