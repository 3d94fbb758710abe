# make package: a Debian package of everything the install rules put in place, for apt install.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME spurline)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${SPURLINE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "intermodulation planner for the frequencies of a radio site")
# Lines of at most 72 characters, as the package's Description field wants them.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Spurline keeps the transmitters, receivers and transceivers of one radio
site in a frequency list, calculates the intermodulation products they
form together (2nd to 9th order, harmonics, three-transmitter products,
worst-case bandwidth) and finds the receivers each product lands on. The
result is shown as a sortable list and as a zoomable spectrum graph, and
can be exported, printed and copied.

It also searches a band for clean channels for a new transmitter or
receiver and shows which entries cause and suffer the most products.
spurline-calc runs the same calculation from the command line, for
scripts.")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${SPURLINE_PACKAGE_REVISION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries the programs link, as dpkg-shlibdeps finds them; Qt's window system plug-ins
# are loaded at run time, so no library names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Help opens the guide with the desktop's PDF viewer.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "pdf-viewer")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Folders as Debian wants them whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# The folders compiled into the program (the guide's) are those of the configured prefix, which
# make package sets to /usr.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
include(CPack)
