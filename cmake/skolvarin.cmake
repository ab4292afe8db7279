# Build helpers shared by every folder.
#
# Host areas (host/<area>) build static libraries named host_<area>; the
# shared library skolvarin_host is made of all their objects.  Module folders build
# static libraries named kartoteki_<folder>; the module libkartoteki is
# made of all their objects.  Module code never links a host_* library itself: it sees the
# host through the header-only target host_api and gets the services from
# skolvarin_host at load time, so the process has one copy of host state.
# Tests link the static libraries directly (host_* and kartoteki_*) and never
# skolvarin_host or kartoteki.


# A source that does not exist stops the configure.  While several people
# work in one tree, -DSKOLVARIN_TOLERATE_MISSING=ON leaves such sources (and
# tests that need them) out with a warning instead, so that one unfinished
# folder cannot stop everybody's build; CI never sets it.
option(SKOLVARIN_TOLERATE_MISSING "Leave out missing sources with a warning" OFF)
function(_skolvarin_existing out)
  set(result "")
  foreach(src IN LISTS ARGN)
    if(IS_ABSOLUTE ${src})
      set(path ${src})
    else()
      set(path ${CMAKE_CURRENT_SOURCE_DIR}/${src})
    endif()
    # Sources in the build tree are generated while building: keep them.
    string(FIND "${path}" "${CMAKE_BINARY_DIR}/" in_build)
    if(EXISTS ${path} OR in_build EQUAL 0)
      list(APPEND result ${src})
    elseif(SKOLVARIN_TOLERATE_MISSING)
      message(WARNING "skolvarin: missing source ${path}")
    else()
      message(FATAL_ERROR "skolvarin: missing source ${path}")
    endif()
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

set_property(GLOBAL PROPERTY SKOLVARIN_HOST_LIBS "")
set_property(GLOBAL PROPERTY SKOLVARIN_MODULE_LIBS "")

# skolvarin_host_area(<area> SOURCES ... [DEPS ...])
function(skolvarin_host_area area)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  _skolvarin_existing(A_SOURCES ${A_SOURCES})
  add_library(host_${area} STATIC ${A_SOURCES})
  target_link_libraries(host_${area} PUBLIC host_api ${A_DEPS})
  set_property(GLOBAL APPEND PROPERTY SKOLVARIN_HOST_LIBS host_${area})
endfunction()

# skolvarin_module_lib(<folder> SOURCES ... [DEPS ...])
# DEPS may name other kartoteki_* libraries and system libraries, never host_*.
function(skolvarin_module_lib folder)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  _skolvarin_existing(A_SOURCES ${A_SOURCES})
  add_library(kartoteki_${folder} STATIC ${A_SOURCES})
  target_link_libraries(kartoteki_${folder} PUBLIC host_api ${A_DEPS})
  set_target_properties(kartoteki_${folder} PROPERTIES
      CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  set_property(GLOBAL APPEND PROPERTY SKOLVARIN_MODULE_LIBS kartoteki_${folder})
endfunction()

# The shared libraries are made of the objects of the static libraries (not
# of the archives, so nothing is dropped and no library is linked twice);
# the system libraries the static ones need are linked in beside them.
function(_skolvarin_link_objects target)
  set(libs ${ARGN})
  foreach(l IN LISTS libs)
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:${l}>)
    get_target_property(deps ${l} INTERFACE_LINK_LIBRARIES)
    if(deps)
      list(REMOVE_ITEM deps host_api ${libs})
      list(FILTER deps EXCLUDE REGEX "^(host_|kartoteki_)")
      target_link_libraries(${target} PRIVATE ${deps})
    endif()
    get_target_property(incs ${l} INCLUDE_DIRECTORIES)
    if(incs)
      target_include_directories(${target} PRIVATE ${incs})
    endif()
  endforeach()
endfunction()

function(skolvarin_build_host)
  get_property(libs GLOBAL PROPERTY SKOLVARIN_HOST_LIBS)
  add_library(skolvarin_host SHARED ${CMAKE_SOURCE_DIR}/host/host_library.cpp)
  _skolvarin_link_objects(skolvarin_host ${libs})
  target_link_libraries(skolvarin_host PUBLIC host_api)
endfunction()

function(skolvarin_build_module)
  get_property(libs GLOBAL PROPERTY SKOLVARIN_MODULE_LIBS)
  add_library(kartoteki SHARED ${CMAKE_SOURCE_DIR}/frame/module_export.cpp)
  set_target_properties(kartoteki PROPERTIES
      CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  _skolvarin_link_objects(kartoteki ${libs})
  target_link_libraries(kartoteki PRIVATE skolvarin_host)
  target_link_options(kartoteki PRIVATE
      "LINKER:--version-script=${CMAKE_SOURCE_DIR}/frame/module.map")
endfunction()

# skolvarin_test(<name> SOURCES ... LIBS ...): one GoogleTest executable.
function(skolvarin_test name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  _skolvarin_existing(existing ${A_SOURCES})
  if(NOT existing STREQUAL A_SOURCES)
    message(WARNING "skolvarin: test ${name} left out: some of its sources are missing")
    return()
  endif()
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LIBS} GTest::gtest GTest::gtest_main)
  # Tests include from the project root too (tests/support/...), also those
  # that link no library of the project.
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_definitions(${name} PRIVATE
      SKOLVARIN_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
      SKOLVARIN_BINARY_DIR="${CMAKE_BINARY_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
      PROPERTIES ENVIRONMENT "SKOLVARIN_BIN=${CMAKE_BINARY_DIR}/bin")
endfunction()

# Imported targets used in DEPS (Foo::Foo) must be visible where the shared
# libraries are assembled: declare them GLOBAL where they are found
# (pkg_check_modules(... IMPORTED_TARGET GLOBAL ...), or
# set_target_properties(Foo::Foo PROPERTIES IMPORTED_GLOBAL TRUE)).
