# `jovitrack --version` prints "jovitrack VERSION" and `--help` its usage, both with status 0,
# where no display is to be had (the Qt platform that needs one is asked for).
#   cmake -DPROGRAM=path/to/jovitrack -DVERSION=... -P check_information_options.cmake
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
set(ENV{QT_QPA_PLATFORM} xcb)
function(expect option pattern)
  execute_process(COMMAND ${PROGRAM} ${option} RESULT_VARIABLE status OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  if(NOT status EQUAL 0 OR NOT out MATCHES "${pattern}" OR NOT err STREQUAL "")
    message(FATAL_ERROR "jovitrack ${option}: status ${status}\n${out}${err}")
  endif()
endfunction()
string(REPLACE "." "\\." version_pattern "${VERSION}")
expect(--version "^jovitrack ${version_pattern}\n$")
expect(--help "^Usage: jovitrack \\[NEWTON \\| ROEMER\\]\n.*\n  --version ")
expect(-h "^Usage: jovitrack ")
