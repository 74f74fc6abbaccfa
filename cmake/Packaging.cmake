# The Debian package, made by CPack from what `cmake --install` puts in place, for a build
# configured with the /usr prefix (`make package` does that in its own build folder).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME jovitrack)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The first packaging of this version: data/package/changelog.Debian's newest entry.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGE_VENDOR ZEVA)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "ZEVA Jovitrack team <jovitrack@zeva-astronomy.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The options' default ZEVA website (src/config/options_record.h).
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://zeva-astronomy.example/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "laboratory of Jupiter's moons: Jupiter's mass and the speed of light")
set(CPACK_PACKAGE_DESCRIPTION [=[
Jovitrack is a laboratory exercise for students: a simulated telescope shows
Jupiter and its four large moons on any night, with clouds that come and go.

In the first exercise the student measures how far each moon stands from
Jupiter night after night, fits a sine curve to each moon's measurements to
find its period and orbital radius, and computes the mass of Jupiter. In the
second the student times Io's eclipses at different times of the year and
finds from their delays how fast light travels.

The package also holds jovitrack-cli, which answers from the same astronomy
on the command line.]=])
# The libraries the programs link, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
