# The desktop check of `make test`: the menu entry and the software centre's entry pass their
# validators without a word, they name each other, the icon and the same version as the
# project and the package's changelog.
#   cmake -DDESKTOP_FILE_VALIDATE=... -DAPPSTREAMCLI=... -DDESKTOP=... -DMETAINFO=...
#         -DCHANGELOG=... -DICON_DIR=... -DVERSION=... -P CheckDesktopEntries.cmake
foreach(tool DESKTOP_FILE_VALIDATE APPSTREAMCLI)
  if(NOT ${tool})
    message(FATAL_ERROR "${tool} is missing: scripts/setup-deps.sh installs it")
  endif()
endforeach()

# desktop-file-validate prints nothing for a clean entry; its hints count as faults here.
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${DESKTOP}
                RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT status EQUAL 0 OR NOT said STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate ${DESKTOP}:\n${said}")
endif()

# appstreamcli fails on errors and warnings; infos (an unknown top-level domain) pass.
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --no-color ${METAINFO}
                RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate ${METAINFO}:\n${said}")
endif()

file(READ ${DESKTOP} desktop)
file(READ ${METAINFO} metainfo)
get_filename_component(desktop_name ${DESKTOP} NAME)
get_filename_component(id ${DESKTOP} NAME_WLE)
function(require what text regex expected)
  if(NOT text MATCHES "${regex}")
    message(FATAL_ERROR "${what}: not found")
  endif()
  if(NOT CMAKE_MATCH_1 STREQUAL expected)
    message(FATAL_ERROR "${what} is '${CMAKE_MATCH_1}', expected '${expected}'")
  endif()
endfunction()
require("the metainfo's id" "${metainfo}" "<id>([^<]*)</id>" "${id}")
require("the metainfo's launchable" "${metainfo}"
        "<launchable type=\"desktop-id\">([^<]*)</launchable>" "${desktop_name}")
string(REGEX MATCH "\nIcon=([^\n]*)" icon_line "${desktop}")
set(icon ${CMAKE_MATCH_1})
require("the metainfo's icon" "${metainfo}" "<icon type=\"stock\">([^<]*)</icon>" "${icon}")
if(NOT EXISTS ${ICON_DIR}/hicolor/scalable/apps/${icon}.svg)
  message(FATAL_ERROR "the menu entry's icon ${icon} is not drawn into ${ICON_DIR}")
endif()
require("the metainfo's newest release" "${metainfo}" "<release version=\"([^\"]*)\"" "${VERSION}")
file(STRINGS ${CHANGELOG} first_line LIMIT_COUNT 1)
require("the changelog's newest entry" "${first_line}" "^jovitrack \\(([^-)]*)-[0-9]+\\)"
        "${VERSION}")
