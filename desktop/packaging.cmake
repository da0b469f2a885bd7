# The Debian package: cpack -G DEB in a build configured with CMAKE_INSTALL_PREFIX=/usr
# (scripts/package) gives nocturo_<version>_amd64.deb, which "apt install ./nocturo_*.deb"
# installs with what it needs.
set(CPACK_PACKAGE_NAME nocturo)
set(CPACK_PACKAGE_VENDOR "The Nocturo developers")
set(CPACK_PACKAGE_CONTACT "The Nocturo developers <nocturo@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "planner for visual deep-sky observing")
# Debian shows the description as written: lines of at most 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Nocturo lists the deep-sky objects you can see from your place during an"
    "observing session: clusters, nebulae and galaxies above your horizon and"
    "within your azimuth window, with the night's twilights, the Moon, your own"
    "horizon profile and each object's visibility window. It ships the complete"
    "OpenNGC catalog and a table of 1,500 cities.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/nocturo/nocturo")
# The libraries and their versions come from dpkg-shlibdeps; the window system's plugins are a
# package of their own that no library links, and without them no window opens.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite")
# xdg-utils opens the image search and the guide's links in the browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, xdg-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)
