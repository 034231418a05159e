# The Debian package of the Linux program: `cpack -G DEB` in a release build
# gives tessary_1.00_<arch>.deb with what `cmake --install` puts in place
# (program, desktop entry, icon, AppStream metainfo) below /usr. Its
# dependencies are worked out from the program by dpkg-shlibdeps, but for
# libarchive, which the program loads only when a 7z archive is first read,
# so is named here (libarchive13t64 is its package's name from Debian 13 on).
set(CPACK_PACKAGE_NAME tessary)
set(CPACK_PACKAGE_VERSION 1.00)
set(CPACK_PACKAGE_VENDOR Orlenport)
set(CPACK_PACKAGE_CONTACT "Tessary developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Map manager for Fennock Marrowby Edition")
set(CPACK_PACKAGE_DESCRIPTION "Tessary finds Fennock Marrowby Edition in its Wine prefix (WINEPREFIX), \
lists the maps in the game and the maps kept aside in Stored Maps, shows the chosen map's preview, \
and moves a map with its picture between the two with one press.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libarchive13 | libarchive13t64")
include(CPack)
