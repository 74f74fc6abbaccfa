# Copies shipped data from SOURCE to DESTINATION for the WebAssembly build: with
# PICTURES_ONLY, the pictures a native build drew (into the bin folder of the WebAssembly
# build); otherwise every data file of SOURCE, the pictures' folders included (into the
# module's data folder), and then DESTINATION/files.txt: every file's path below DESTINATION,
# one a line, for the page to fetch into the module's file system.
file(GLOB_RECURSE pictures LIST_DIRECTORIES false RELATIVE ${SOURCE}
     "${SOURCE}/Rotation BMPs/*" "${SOURCE}/Cloud BMPs/*" "${SOURCE}/*.bmp" "${SOURCE}/*.BMP"
     "${SOURCE}/*.CUR" "${SOURCE}/*.ICO")
if(PICTURES_ONLY)
  set(files ${pictures})
else()
  file(GLOB files LIST_DIRECTORIES false RELATIVE ${SOURCE} ${SOURCE}/*)
  list(FILTER files EXCLUDE REGEX "\\.(js|wasm|mjs)$")
  list(APPEND files ${pictures})
  list(REMOVE_DUPLICATES files)
endif()
list(SORT files)
set(listing "")
foreach(f IN LISTS files)
  get_filename_component(dir "${DESTINATION}/${f}" DIRECTORY)
  file(MAKE_DIRECTORY "${dir}")
  file(COPY_FILE "${SOURCE}/${f}" "${DESTINATION}/${f}" ONLY_IF_DIFFERENT)
  string(APPEND listing "${f}\n")
endforeach()
if(NOT PICTURES_ONLY)
  file(WRITE ${DESTINATION}/files.txt.new "${listing}")
  file(COPY_FILE ${DESTINATION}/files.txt.new ${DESTINATION}/files.txt ONLY_IF_DIFFERENT)
  file(REMOVE ${DESTINATION}/files.txt.new)
endif()
