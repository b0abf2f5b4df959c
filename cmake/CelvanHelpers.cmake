# celvan_add_test_suite(NAME <target> SOURCES_DIR <dir> LIBS <libs...>
#                       [OFFICE <regex>] [SLOW <regex>])
# One test runner per folder of tests/: every *.cpp below the folder goes
# into it, and each GoogleTest case is registered with CTest on its own, so
# `ctest -j` runs the cases in parallel, each in a fresh process (the shared
# state starts clean in every case). Every case carries the runner's name as
# a label; the cases whose names match OFFICE also the label `office` (they
# start LibreOffice), those that match SLOW the label `slow` (a second or
# more each), so that `ctest -LE 'office|slow'` leaves both out.
function(celvan_add_test_suite)
  cmake_parse_arguments(ARG "" "NAME;SOURCES_DIR;OFFICE;SLOW" "LIBS" ${ARGN})
  file(GLOB_RECURSE suite_sources CONFIGURE_DEPENDS ${ARG_SOURCES_DIR}/*.cpp)
  add_executable(${ARG_NAME} ${suite_sources})
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS})
  target_include_directories(${ARG_NAME} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(${ARG_NAME} PRIVATE
    CELVAN_FIXTURES_DIR="${CMAKE_SOURCE_DIR}/tests/fixtures")
  gtest_discover_tests(${ARG_NAME}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS ${ARG_NAME}
    DISCOVERY_TIMEOUT 60)
  # The cases are known only once the runner is built: CTest reads their
  # list (<target>_TESTS) from the discovery's file, then this one.
  set(labels_file ${CMAKE_CURRENT_BINARY_DIR}/${ARG_NAME}_labels.cmake)
  file(WRITE ${labels_file}
    "foreach(test IN LISTS ${ARG_NAME}_TESTS)\n"
    "  set(labels ${ARG_NAME})\n"
    "  if(NOT [=[${ARG_OFFICE}]=] STREQUAL \"\" AND test MATCHES [=[${ARG_OFFICE}]=])\n"
    "    list(APPEND labels office)\n"
    "  endif()\n"
    "  if(NOT [=[${ARG_SLOW}]=] STREQUAL \"\" AND test MATCHES [=[${ARG_SLOW}]=])\n"
    "    list(APPEND labels slow)\n"
    "  endif()\n"
    "  set_tests_properties(\"\${test}\" PROPERTIES LABELS \"\${labels}\")\n"
    "endforeach()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${labels_file})
endfunction()

# celvan_native_vector_width(<out>)
# The vector width, in bits, for the engine's loops on the processor that
# builds it (the engine is compiled for that processor): 512 where it is an
# AMD one with 512-bit vector instructions, 256 otherwise.
function(celvan_native_vector_width out)
  set(width 256)
  if(EXISTS /proc/cpuinfo)
    file(STRINGS /proc/cpuinfo vendor REGEX "^vendor_id" LIMIT_COUNT 1)
    file(STRINGS /proc/cpuinfo flags REGEX "^flags" LIMIT_COUNT 1)
    if(vendor MATCHES "AuthenticAMD" AND flags MATCHES " avx512f( |$)")
      set(width 512)
    endif()
  endif()
  set(${out} ${width} PARENT_SCOPE)
endfunction()
