# corvatto_embed_file(OUTPUT_CPP NAMESPACE SYMBOL INPUT_FILE [SKIP BYTES])
# Writes a C++ source that defines `const unsigned char SYMBOL[]` and `SYMBOLSize` with the bytes of
# INPUT_FILE (less its first BYTES bytes), so the program carries the file inside itself. Regenerated
# when the file changes.
function(corvatto_embed_file output namespace symbol input)
  cmake_parse_arguments(ARG "" "SKIP" "" ${ARGN})
  if(NOT ARG_SKIP)
    set(ARG_SKIP 0)
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${input})
  file(READ ${input} hex OFFSET ${ARG_SKIP} HEX)
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
