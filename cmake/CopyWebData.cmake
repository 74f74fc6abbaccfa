# Copies shipped data from SOURCE to DESTINATION for the WebAssembly build: with
# PICTURES_ONLY, the pictures a native build drew (into the bin folder of the WebAssembly
# build); otherwise the site's data folder: every data file of SOURCE but the pictures, and
# the page's copies of the pictures it draws from PAGE_PICTURES (the native build's lossless
# WebP files, tools/page_pictures), then DESTINATION/files.txt: every file's path below
# DESTINATION, one a line, for the page to fetch into the module's file system. Whatever else
# DESTINATION holds (an earlier build's files) is removed, so that the site is exactly the list.
cmake_policy(SET CMP0057 NEW)  # if(... IN_LIST ...)
file(GLOB_RECURSE pictures LIST_DIRECTORIES false RELATIVE ${SOURCE}
     "${SOURCE}/Rotation BMPs/*" "${SOURCE}/Cloud BMPs/*" "${SOURCE}/*.bmp" "${SOURCE}/*.BMP"
     "${SOURCE}/*.CUR" "${SOURCE}/*.ICO")
if(PICTURES_ONLY)
  set(files ${pictures})
else()
  if(NOT IS_DIRECTORY "${PAGE_PICTURES}")
    message(FATAL_ERROR "No page pictures in '${PAGE_PICTURES}': the native build makes them "
                        "(target jovi_page_pictures; make web builds it)")
  endif()
  file(GLOB files LIST_DIRECTORIES false RELATIVE ${SOURCE} ${SOURCE}/*)
  list(FILTER files EXCLUDE REGEX "\\.(js|wasm|mjs)$")
  if(pictures)
    list(REMOVE_ITEM files ${pictures})
  endif()
  file(GLOB_RECURSE page_pictures LIST_DIRECTORIES false RELATIVE ${PAGE_PICTURES}
       "${PAGE_PICTURES}/*")
endif()
set(listing "")
set(copies "")
foreach(f IN LISTS files page_pictures)
  if(f IN_LIST page_pictures)
    set(from "${PAGE_PICTURES}/${f}")
  else()
    set(from "${SOURCE}/${f}")
  endif()
  get_filename_component(dir "${DESTINATION}/${f}" DIRECTORY)
  file(MAKE_DIRECTORY "${dir}")
  file(COPY_FILE "${from}" "${DESTINATION}/${f}" ONLY_IF_DIFFERENT)
  list(APPEND copies "${f}")
endforeach()
if(NOT PICTURES_ONLY)
  list(SORT copies)
  foreach(f IN LISTS copies)
    string(APPEND listing "${f}\n")
  endforeach()
  file(GLOB_RECURSE present LIST_DIRECTORIES false RELATIVE ${DESTINATION} "${DESTINATION}/*")
  foreach(f IN LISTS present)
    if(NOT f IN_LIST copies AND NOT f STREQUAL "files.txt")
      file(REMOVE "${DESTINATION}/${f}")
    endif()
  endforeach()
  file(WRITE ${DESTINATION}/files.txt.new "${listing}")
  file(COPY_FILE ${DESTINATION}/files.txt.new ${DESTINATION}/files.txt ONLY_IF_DIFFERENT)
  file(REMOVE ${DESTINATION}/files.txt.new)
endif()
