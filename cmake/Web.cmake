# The WebAssembly build (em++): the core, the command-line tool and the core's tests for node,
# and the browser module (src/web). No desktop program, no benchmarks, no generators: the data
# they make is taken from a native build (JOVI_NATIVE_DATA_DIR), since a generator compiled to
# WebAssembly would make the same files much more slowly.
set(JOVI_WEB_DIR "${CMAKE_BINARY_DIR}/.." CACHE PATH "The folder the browser edition is built into")
set(JOVI_NATIVE_DATA_DIR "" CACHE PATH "The bin folder of a native build, with its generated data")
if(NOT JOVI_NATIVE_DATA_DIR)
  message(FATAL_ERROR "The WebAssembly build takes its generated data from a native build: "
                      "set JOVI_NATIVE_DATA_DIR to its bin folder (make web does)")
endif()
get_filename_component(JOVI_WEB_DIR "${JOVI_WEB_DIR}" ABSOLUTE)
# The page draws lossless WebP copies of the native build's pictures, which that build makes
# beside its bin folder (tools/page_pictures) with the tool that checks them.
get_filename_component(JOVI_NATIVE_BUILD_DIR "${JOVI_NATIVE_DATA_DIR}" DIRECTORY)
set(JOVI_NATIVE_PAGE_PICTURES_DIR "${JOVI_NATIVE_BUILD_DIR}/page-pictures")
set(JOVI_NATIVE_PAGE_PICTURES_TOOL "${JOVI_NATIVE_BUILD_DIR}/tools/page_pictures/jovi-page-pictures")
set(JOVI_WITH_UI OFF CACHE BOOL "" FORCE)
set(JOVI_WITH_BENCH OFF CACHE BOOL "" FORCE)

# C++ exceptions are off by default in em++; the core reports bad input by throwing.
add_compile_options(-fexceptions)
add_link_options(-fexceptions -sALLOW_MEMORY_GROWTH=1 -sTOTAL_STACK=4194304)

# A program run by node: it reads and writes the real file system and ends with its status.
function(jovi_node_program target)
  target_link_options(${target} PRIVATE -sNODERAWFS=1 -sEXIT_RUNTIME=1 -sENVIRONMENT=node
                      --pre-js ${PROJECT_SOURCE_DIR}/cmake/node_wasm_binary.js)
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS
               ${PROJECT_SOURCE_DIR}/cmake/node_wasm_binary.js)
endfunction()
