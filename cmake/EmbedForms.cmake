# Compiles the windows' form descriptions of resources/forms into the app library.
#
# Each description becomes a generated .cpp (in the build folder) that defines
# app::embedded::<Symbol> (the file's bytes) and <Symbol>Size, as declared in
# app/FormDescriptions.h. The file is regenerated whenever its description changes.
# The same file, run with "cmake -P", is the generator.

if(CMAKE_SCRIPT_MODE_FILE)
  # Generator: -DINPUT=description file -DOUTPUT=.cpp -DSYMBOL=name
  file(READ "${INPUT}" hex HEX)
  string(REGEX REPLACE "(................................................................)" "\\1\n" hex "${hex}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  file(WRITE "${OUTPUT}.tmp"
    "// Generated from ${INPUT} at build time; edit the description, not this one.\n"
    "#include \"app/FormDescriptions.h\"\n\n"
    "namespace app::embedded {\n\n"
    "const char ${SYMBOL}[] = {\n${bytes}\n0};\n"
    "const std::size_t ${SYMBOL}Size = sizeof(${SYMBOL}) - 1;\n\n"
    "}  // namespace app::embedded\n")
  file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
  return()
endif()

# tolvek_embed_form(TARGET SYMBOL FILE): adds the generated source of FILE (relative to
# the repository root) to TARGET.
function(tolvek_embed_form target symbol file)
  set(input ${CMAKE_SOURCE_DIR}/${file})
  set(output ${CMAKE_BINARY_DIR}/embedded/${symbol}.cpp)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DSYMBOL=${symbol}
            -P ${CMAKE_SOURCE_DIR}/cmake/EmbedForms.cmake
    DEPENDS ${input} ${CMAKE_SOURCE_DIR}/cmake/EmbedForms.cmake
    COMMENT "Embedding ${file}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()

tolvek_embed_form(app Unit1FormData resources/forms/Unit1.dfm)
tolvek_embed_form(app Unit3FormData resources/forms/Unit3.dfm)
