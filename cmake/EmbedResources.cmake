# Builds the program's resource table (glyphs, cursors, icons) into platform_gfx.
#
# Every file below resources/glyphs, resources/cursors and resources/icons becomes an
# entry of one generated .cpp (in the build folder) that platform/gfx/Resources.cpp looks
# names and ids up in: the name is the file name without its extension, upper-cased; a
# name of digits only is also the numeric id. The table is regenerated when a file is
# added, removed or changed. The same file, run with "cmake -P", is the generator.

if(CMAKE_SCRIPT_MODE_FILE)
  # Generator: -DROOT=resources folder -DOUTPUT=.cpp
  set(entries "")
  set(arrays "")
  set(index 0)
  foreach(kind glyphs cursors icons)
    file(GLOB_RECURSE files LIST_DIRECTORIES false "${ROOT}/${kind}/*")
    list(SORT files)
    foreach(path ${files})
      get_filename_component(stem "${path}" NAME_WE)
      string(TOUPPER "${stem}" name)
      file(READ "${path}" hex HEX)
      string(REGEX REPLACE "(................................................................)" "\\1\n" hex "${hex}")
      string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
      file(SIZE "${path}" size)
      string(APPEND arrays "static const unsigned char R${index}[] = {\n${bytes}0};\n")
      string(APPEND entries "    {\"${name}\", \"${kind}\", R${index}, ${size}},\n")
      math(EXPR index "${index} + 1")
    endforeach()
  endforeach()
  file(WRITE "${OUTPUT}.tmp"
    "// Generated from the files under resources/ at build time; edit those files, not this one.\n"
    "#include \"platform/gfx/Resources.h\"\n\n"
    "namespace gfx::detail {\n\n"
    "${arrays}\n"
    "const TResourceEntry ResourceTable[] = {\n${entries}    {nullptr, nullptr, nullptr, 0},\n};\n\n"
    "}  // namespace gfx::detail\n")
  file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
  return()
endif()

file(GLOB_RECURSE TOLVEK_RESOURCE_FILES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/resources/glyphs/*
  ${CMAKE_SOURCE_DIR}/resources/cursors/*
  ${CMAKE_SOURCE_DIR}/resources/icons/*)
set(TOLVEK_RESOURCE_TABLE ${CMAKE_BINARY_DIR}/embedded/ResourceTable.cpp)
add_custom_command(OUTPUT ${TOLVEK_RESOURCE_TABLE}
  COMMAND ${CMAKE_COMMAND} -DROOT=${CMAKE_SOURCE_DIR}/resources -DOUTPUT=${TOLVEK_RESOURCE_TABLE}
          -P ${CMAKE_SOURCE_DIR}/cmake/EmbedResources.cmake
  DEPENDS ${TOLVEK_RESOURCE_FILES} ${CMAKE_SOURCE_DIR}/cmake/EmbedResources.cmake
  COMMENT "Embedding the resource table"
  VERBATIM)
target_sources(platform_gfx PRIVATE ${TOLVEK_RESOURCE_TABLE})
