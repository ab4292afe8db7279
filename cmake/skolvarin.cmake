# Build helpers shared by every folder.
#
# Host areas (host/<area>) build static libraries named host_<area>; the
# shared library skolvarin_host takes them whole.  Module folders build
# static libraries named kartoteki_<folder>; the module libkartoteki takes
# them whole.  Module code never links a host_* library itself: it sees the
# host through the header-only target host_api and gets the services from
# skolvarin_host at load time, so the process has one copy of host state.
# Tests link the static libraries directly (host_* and kartoteki_*) and never
# skolvarin_host or kartoteki.

set_property(GLOBAL PROPERTY SKOLVARIN_HOST_LIBS "")
set_property(GLOBAL PROPERTY SKOLVARIN_MODULE_LIBS "")

# skolvarin_host_area(<area> SOURCES ... [DEPS ...])
function(skolvarin_host_area area)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  add_library(host_${area} STATIC ${A_SOURCES})
  target_link_libraries(host_${area} PUBLIC host_api ${A_DEPS})
  set_property(GLOBAL APPEND PROPERTY SKOLVARIN_HOST_LIBS host_${area})
endfunction()

# skolvarin_module_lib(<folder> SOURCES ... [DEPS ...])
# DEPS may name other kartoteki_* libraries and system libraries, never host_*.
function(skolvarin_module_lib folder)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  add_library(kartoteki_${folder} STATIC ${A_SOURCES})
  target_link_libraries(kartoteki_${folder} PUBLIC host_api ${A_DEPS})
  set_target_properties(kartoteki_${folder} PROPERTIES
      CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  set_property(GLOBAL APPEND PROPERTY SKOLVARIN_MODULE_LIBS kartoteki_${folder})
endfunction()

function(skolvarin_build_host)
  get_property(libs GLOBAL PROPERTY SKOLVARIN_HOST_LIBS)
  add_library(skolvarin_host SHARED ${CMAKE_SOURCE_DIR}/host/host_library.cpp)
  foreach(l IN LISTS libs)
    target_link_libraries(skolvarin_host PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${l}>")
    # Usage requirements (system libraries) of the area travel with it.
    get_target_property(deps ${l} INTERFACE_LINK_LIBRARIES)
    if(deps)
      target_link_libraries(skolvarin_host PRIVATE ${deps})
    endif()
  endforeach()
  target_link_libraries(skolvarin_host PUBLIC host_api)
endfunction()

function(skolvarin_build_module)
  get_property(libs GLOBAL PROPERTY SKOLVARIN_MODULE_LIBS)
  add_library(kartoteki SHARED ${CMAKE_SOURCE_DIR}/frame/module_export.cpp)
  set_target_properties(kartoteki PROPERTIES
      CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  foreach(l IN LISTS libs)
    target_link_libraries(kartoteki PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${l}>")
  endforeach()
  target_link_libraries(kartoteki PRIVATE skolvarin_host)
  target_link_options(kartoteki PRIVATE
      "LINKER:--version-script=${CMAKE_SOURCE_DIR}/frame/module.map")
endfunction()

# skolvarin_test(<name> SOURCES ... LIBS ...): one GoogleTest executable.
function(skolvarin_test name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
      SKOLVARIN_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
      SKOLVARIN_BINARY_DIR="${CMAKE_BINARY_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
      PROPERTIES ENVIRONMENT "SKOLVARIN_BIN=${CMAKE_BINARY_DIR}/bin")
endfunction()
