# Writes a text file into a C++ header as a string_view constant, so that a published table
# checked in as data is compiled into the program without being retyped.
# Usage: cmake -DINPUT=<file> -DOUTPUT=<header> -DNAME=<identifier> -P EmbedText.cmake
file(READ "${INPUT}" content)
if(content MATCHES "\\)embed\"")
  message(FATAL_ERROR "${INPUT} contains the raw-string delimiter")
endif()
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT}; do not edit.\n"
  "#pragma once\n#include <string_view>\n"
  "inline constexpr std::string_view ${NAME} = R\"embed(${content})embed\";\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
