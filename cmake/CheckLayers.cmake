# Fails, naming each offending line, when a file of the core or of a science
# library includes what its layer may not:
#   core/      the standard library and the system's C headers, core/
#   science/   the same, and science/
# so never Qt, the forms run-time (ui/) or a window (setup/, model/, ...).
#   cmake -DSOURCE_DIR=<project folder> -P cmake/CheckLayers.cmake
cmake_minimum_required(VERSION 3.25)

# layer folder, the folders its quoted includes may come from
set(layers "core" "core" "science" "core|science")
set(offences "")
set(files_seen 0)
while(layers)
  list(POP_FRONT layers layer allowed)
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
  foreach(source IN LISTS sources)
    math(EXPR files_seen "${files_seen} + 1")
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
      if(line MATCHES "#[ \t]*include[ \t]*<(Q|[^>]*/Q)")
        set(reason "Qt")
      elseif(line MATCHES "#[ \t]*include[ \t]*\"" AND NOT line MATCHES "#[ \t]*include[ \t]*\"(${allowed})/")
        string(REPLACE "|" "/ or " reason "outside ${allowed}/")
      else()
        continue()
      endif()
      file(RELATIVE_PATH name "${SOURCE_DIR}" "${source}")
      string(STRIP "${line}" line)
      list(APPEND offences "${name}: ${line}  (${reason})")
    endforeach()
  endforeach()
endwhile()

if(files_seen EQUAL 0)
  message(FATAL_ERROR "no file of core/ or science/ below ${SOURCE_DIR}")
endif()
if(offences)
  list(JOIN offences "\n  " text)
  message(FATAL_ERROR "the core and the science libraries include only the standard library, core/ and "
                      "science/; these lines include more:\n  ${text}")
endif()
