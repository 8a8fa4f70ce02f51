# Fails when a source or header under src/<folder>/, tests/<folder>/ or tools/<folder>/ includes a
# header of a floor that folder may not use. The first component of an included path names its
# floor.
#   cmake -DVORK_SOURCE_DIR=<repository> -P tests/floor_includes.cmake
cmake_minimum_required(VERSION 3.25)

set(floors engine plant fastsim workspace project analysis windows plot app cli examples
  plantmaker)

# The floors each folder may include, its own among them.
set(allowed_engine engine)
set(allowed_plant engine plant)
set(allowed_fastsim engine plant fastsim)
set(allowed_workspace engine plant workspace)
set(allowed_project engine plant fastsim workspace project)
set(allowed_analysis engine plant fastsim workspace project analysis)
set(allowed_windows engine plant fastsim workspace project analysis windows)
# The chart painter, on Qt Gui, for the program and for vork-sim.
set(allowed_plot engine plant fastsim plot)
set(allowed_app engine plant fastsim workspace project analysis windows plot app)
set(allowed_cli engine plant fastsim workspace project analysis plot cli)
# The tests over the example projects, and the tool that writes them.
set(allowed_examples engine plant fastsim workspace project examples)
set(allowed_plantmaker engine plant fastsim workspace project plantmaker)

set(include_pattern "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"]")

set(checked 0)
set(violations "")
foreach(root src tests tools)
  foreach(folder IN LISTS floors)
    file(GLOB_RECURSE files "${VORK_SOURCE_DIR}/${root}/${folder}/*.h"
      "${VORK_SOURCE_DIR}/${root}/${folder}/*.cpp")
    foreach(file IN LISTS files)
      math(EXPR checked "${checked} + 1")
      file(RELATIVE_PATH name "${VORK_SOURCE_DIR}" "${file}")
      file(STRINGS "${file}" lines REGEX "${include_pattern}")
      foreach(line IN LISTS lines)
        string(REGEX MATCH "${include_pattern}" _ "${line}")
        set(header "${CMAKE_MATCH_1}")
        if(header MATCHES "^\\.\\./")
          string(APPEND violations "\n  ${name}: ${header} (reaches out of its folder)")
        elseif(header MATCHES "^([^/]+)/")
          set(floor "${CMAKE_MATCH_1}")
          if(floor IN_LIST floors AND NOT floor IN_LIST allowed_${folder})
            string(APPEND violations "\n  ${name}: ${header} (${folder} may not include ${floor})")
          endif()
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()

if(checked EQUAL 0)
  message(FATAL_ERROR "No files found under ${VORK_SOURCE_DIR}: pass -DVORK_SOURCE_DIR")
endif()
if(violations)
  message(FATAL_ERROR "Includes of a higher floor:${violations}")
endif()
message(STATUS "${checked} files include only their own floor and the floors below")
