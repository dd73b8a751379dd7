# corvatto_embed_file(OUTPUT_CPP NAMESPACE SYMBOL INPUT_FILE)
# Writes a C++ source that defines `const unsigned char SYMBOL[]` with the bytes of INPUT_FILE, so the
# program carries the file inside itself. Regenerated when the file changes.
function(corvatto_embed_file output namespace symbol input)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${input})
  file(READ ${input} hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n    " bytes "${bytes}")
  file(WRITE ${output}.tmp
    "// Generated from ${input} at configure time.\n"
    "#include <cstddef>\n\n"
    "namespace ${namespace} {\n\n"
    "extern const unsigned char ${symbol}[];\n"
    "extern const std::size_t ${symbol}Size;\n\n"
    "const unsigned char ${symbol}[] = {\n    ${bytes}\n};\n"
    "const std::size_t ${symbol}Size = ${size};\n\n"
    "} // namespace ${namespace}\n")
  file(COPY_FILE ${output}.tmp ${output} ONLY_IF_DIFFERENT)
endfunction()
