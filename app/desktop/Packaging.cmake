# SPDX-License-Identifier: MIT
# The Debian package (scripts/package runs cpack in the "package" preset):
# lumivex_<version>_<arch>.deb with what cmake --install installs, its
# library dependencies found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumivex)
set(CPACK_PACKAGE_VENDOR "Lumivex-Projekt")
set(CPACK_PACKAGE_CONTACT "Lumivex-Projekt <lumivex@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer for the MTF curves of lenses")
# Lines of at most 80 characters, as Debian's description wants them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Lumivex reads the modulation transfer function of a photographic or\n"
    "industrial lens from an .mtf lens data file and plots its sagittal and\n"
    "tangential curves over the f-number, the spatial frequency, the image height\n"
    "or the magnification. It prints a one-page report, compares two lenses, and\n"
    "exports charts, reports and their data as PNG, SVG, PDF and CSV, also from\n"
    "the command line without a display. File managers show .mtf files as small\n"
    "charts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/lumivex")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the platform
# plugins (the window, and offscreen for exports and thumbnails) and the
# font the charts are measured with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
