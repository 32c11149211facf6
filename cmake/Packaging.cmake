# The Debian packages, both from one CPack run: ringlook (the client and its
# desktop files, component client) and ringlook-server (the reference server as
# a system service, component server). The libraries they link are found by
# dpkg-shlibdeps; the Qt plugins loaded at run time are named here, since it
# cannot see them. Each package carries the copyright file and changelog that
# Debian asks of every package.
include(GNUInstallDirs)

set(RINGLOOK_MAINTAINER "Ringlook <maintainers@ringlook.nl>")
set(RINGLOOK_HOMEPAGE "https://ringlook.nl/")

# The changelog and the AppStream releases list the newest version first; a
# version bump that forgets them would ship a package that contradicts itself.
function(ringlook_check_newest history pattern)
  file(READ ${CMAKE_SOURCE_DIR}/${history} text)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${history})
  string(REGEX MATCH "${pattern}" newest "${text}")
  if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "${history}: its newest entry is version '${CMAKE_MATCH_1}', not ${PROJECT_VERSION}")
  endif()
endfunction()
ringlook_check_newest(data/debian/changelog "^ringlook \\(([^)]+)\\)")
ringlook_check_newest(data/ringlook.metainfo.xml "<release version=\"([^\"]+)\"")

set(changelog ${CMAKE_BINARY_DIR}/debian/changelog.gz)
add_custom_command(OUTPUT ${changelog}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/debian
  COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/data/debian/changelog > ${changelog}
  DEPENDS ${CMAKE_SOURCE_DIR}/data/debian/changelog VERBATIM)
add_custom_target(ringlook_changelog ALL DEPENDS ${changelog})
foreach(pair IN ITEMS "client;ringlook" "server;ringlook-server")
  list(GET pair 0 component)
  list(GET pair 1 package)
  install(FILES ${CMAKE_SOURCE_DIR}/data/debian/copyright ${changelog}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ringlook)
set(CPACK_PACKAGE_VENDOR "Ringlook")
set(CPACK_PACKAGE_CONTACT "${RINGLOOK_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${RINGLOOK_HOMEPAGE}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL client server)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE ringlook)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The fonts are only recommended, since any fixed-pitch and sans font serves.
# On a Wayland desktop the program runs natively, with Qt's Wayland platform:
# under XWayland its window would need the first activation that Wayland does
# not promise, and X11's raise would be refused all the same.
set(CPACK_DEBIAN_CLIENT_PACKAGE_NAME ringlook)
# Qt's own texts (file dialog, standard buttons, --help) in Dutch.
set(CPACK_DEBIAN_CLIENT_PACKAGE_DEPENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_CLIENT_PACKAGE_SECTION comm)
set(CPACK_DEBIAN_CLIENT_PACKAGE_RECOMMENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_CLIENT_PACKAGE_SUGGESTS "at-spi2-core, ringlook-server")
set(CPACK_DEBIAN_CLIENT_DESCRIPTION "caller identification client for the local network
Ringlook connects to the caller-identification server on the local network
and shows a live list of today's calls, newest on top. It searches the
server's call log, keeps a name, a note and an alert flag for a number, and
exchanges short messages between the users of one server. Its interface is
Dutch.")

# The SQLite driver is a Qt plugin, loaded when the server opens its database.
set(CPACK_DEBIAN_SERVER_PACKAGE_NAME ringlook-server)
set(CPACK_DEBIAN_SERVER_PACKAGE_SECTION net)
set(CPACK_DEBIAN_SERVER_PACKAGE_DEPENDS "libqt6sql6-sqlite")
set(CPACK_DEBIAN_SERVER_PACKAGE_SUGGESTS "ringlook")
set(CPACK_DEBIAN_SERVER_DESCRIPTION "reference caller-identification server for Ringlook clients
The server that Ringlook clients are developed, tested and shown against,
installed as a system service. It keeps a directory of numbers and a call
log in SQLite (seeded with demo data on first start), answers the clients'
requests over TCP port 6661, forwards their messages, and announces calls
typed on its console or simulated. It suits trying Ringlook out and training
its users.")
set(CPACK_DEBIAN_SERVER_PACKAGE_CONTROL_EXTRA
  ${CMAKE_SOURCE_DIR}/data/server/conffiles ${CMAKE_SOURCE_DIR}/data/server/postinst
  ${CMAKE_SOURCE_DIR}/data/server/prerm ${CMAKE_SOURCE_DIR}/data/server/postrm)
include(CPack)
