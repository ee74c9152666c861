# Compiles built-in files into the app library: the data tables of
# resources/data and the windows' form descriptions of resources/forms.
#
# Each file becomes a generated .cpp (in the build folder) that defines
# app::embedded::<Symbol> (the file's bytes) and <Symbol>Size, as declared in
# the header given (app/EmbeddedData.h, app/FormDescriptions.h). The .cpp is
# regenerated whenever its file changes. The same file, run with "cmake -P",
# is the generator.

if(CMAKE_SCRIPT_MODE_FILE)
  # Generator: -DINPUT=file -DOUTPUT=.cpp -DSYMBOL=name -DHEADER=declaring header
  file(READ "${INPUT}" hex HEX)
  # 32 bytes per source line, each byte as 0xNN.
  string(REGEX REPLACE "(................................................................)" "\\1\n" hex "${hex}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  file(WRITE "${OUTPUT}.tmp"
    "// Generated from ${INPUT} at build time; edit that file, not this one.\n"
    "#include \"${HEADER}\"\n\n"
    "namespace app::embedded {\n\n"
    "const char ${SYMBOL}[] = {\n${bytes}\n0};\n"
    "const std::size_t ${SYMBOL}Size = sizeof(${SYMBOL}) - 1;\n\n"
    "}  // namespace app::embedded\n")
  file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
  return()
endif()

# tolvek_embed_file(TARGET SYMBOL FILE HEADER): adds the generated source of
# FILE (relative to the repository root) to TARGET; HEADER declares the symbol.
function(tolvek_embed_file target symbol file header)
  set(input ${CMAKE_SOURCE_DIR}/${file})
  set(output ${CMAKE_BINARY_DIR}/embedded/${symbol}.cpp)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DSYMBOL=${symbol}
            -DHEADER=${header} -P ${CMAKE_SOURCE_DIR}/cmake/EmbedData.cmake
    DEPENDS ${input} ${CMAKE_SOURCE_DIR}/cmake/EmbedData.cmake
    COMMENT "Embedding ${file}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()

tolvek_embed_file(app BaseTable10kmData resources/data/BaseTable10km.csv app/EmbeddedData.h)
tolvek_embed_file(app CellSelectorTableData resources/data/CellSelectorTable.csv app/EmbeddedData.h)
tolvek_embed_file(app Unit1FormData resources/forms/Unit1.dfm app/FormDescriptions.h)
tolvek_embed_file(app Unit3FormData resources/forms/Unit3.dfm app/FormDescriptions.h)
