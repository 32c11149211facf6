# The Debian package: the program and its desktop files as `cmake --install`
# puts them, with the libraries it links found by dpkg-shlibdeps. The platform
# plugins that Qt loads at run time are in libqt6gui6, which that finds too;
# the fonts are only recommended, since any fixed-pitch and sans font serves.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ringlook)
set(CPACK_PACKAGE_VENDOR "Ringlook")
set(CPACK_PACKAGE_CONTACT "Ringlook team <ringlook@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "caller identification client for the local network")
set(CPACK_PACKAGE_DESCRIPTION
    "Ringlook connects to the caller-identification server on the local network and shows a live list of today's\
 calls, newest on top. It searches the server's call log, keeps a name, a note and an alert flag for a number,\
 and exchanges short messages between the users of one server. Its interface is Dutch.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION comm)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "at-spi2-core")
include(CPack)
