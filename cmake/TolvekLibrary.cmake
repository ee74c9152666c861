# tolvek_library(NAME DIRS dir... [EXCLUDE file...] DEPS target...)
# A static library made of every .cpp below the given folders. New files are
# picked up at the next build (CONFIGURE_DEPENDS), so adding a unit never
# means editing this file.
function(tolvek_library name)
  cmake_parse_arguments(ARG "" "" "DIRS;EXCLUDE;DEPS" ${ARGN})
  set(sources)
  foreach(dir ${ARG_DIRS})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
      ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.c)
    list(APPEND sources ${found})
  endforeach()
  foreach(ex ${ARG_EXCLUDE})
    list(REMOVE_ITEM sources ${CMAKE_SOURCE_DIR}/${ex})
  endforeach()
  if(NOT sources)
    # A layer whose units are not written yet still links as an empty library.
    set(empty ${CMAKE_BINARY_DIR}/empty_${name}.cpp)
    file(WRITE ${empty} "// no units yet\n")
    set(sources ${empty})
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# tolvek_test(NAME DIRS dir... DEPS target...)
# One GoogleTest binary per library, made of every .cpp below the folders.
function(tolvek_test name)
  cmake_parse_arguments(ARG "" "" "DIRS;DEPS" ${ARGN})
  set(sources)
  foreach(dir ${ARG_DIRS})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    TOLVEK_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data"
    TOLVEK_BUILD_DIR="${CMAKE_BINARY_DIR}")
  # Parameterised tests are named by index: printed values may hold addresses
  # that differ between discovery and run.
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR} PROPERTIES TIMEOUT 300)
endfunction()
