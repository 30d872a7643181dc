# SPDX-License-Identifier: GPL-3.0-or-later
# ferrolin_library(NAME DIR [LINK lib...]): a static library of every *.cpp in DIR,
# or an interface library while DIR has none yet.
function(ferrolin_library name dir)
  cmake_parse_arguments(ARG "" "" "LINK" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  list(FILTER sources EXCLUDE REGEX ".*/main\\.cpp$")
  set(cpp ${sources})
  list(FILTER cpp INCLUDE REGEX ".*\\.cpp$")
  if(cpp)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_LINK})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_LINK})
  endif()
endfunction()
