# The Debian package of the install rules: `cpack -G DEB` in a Release build
# (scripts/package.sh does it all). Installs under /usr; the library
# dependencies come from the binary through dpkg-shlibdeps (package
# dpkg-dev), the others are named here. The version is the project's, the
# revision, maintainer and changelog are packaging/VersionedFiles.cmake's.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zefra)
set(CPACK_PACKAGE_VENDOR "Zefra developers")
set(CPACK_PACKAGE_CONTACT "${ZEFRA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "engineering calculator for building-services design")
set(CPACK_PACKAGE_DESCRIPTION
    "Zefra sizes ducts, supply outlets and return inlets, and water pipes for
HVAC and plumbing designers, computes the state of moist air, and converts
between conventional and SI units, in one small window. System loss sheets
give the fan's static pressure and the pump's head; psychrometric charts and
loss sheets are kept in work documents, saved automatically and printed as one
report. Every numeric field takes an arithmetic expression. The interface is
in Japanese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # zefra_5.0-1_amd64.deb
set(CPACK_DEBIAN_PACKAGE_RELEASE ${ZEFRA_PACKAGE_RELEASE})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZEFRA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/zefra/zefra")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's fonts, in the order it looks for them (form::GothicFont), and
# Qt's own Japanese translations for the standard file, print and preview
# dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic | fonts-noto-cjk, qt6-translations-l10n")
# A calculator for the 電卓 menu: the Debian packages of the programs it
# starts, in the order it tries them, from the one list of them.
include(${CMAKE_SOURCE_DIR}/src/app/Calculators.cmake)
list(JOIN ZEFRA_CALCULATOR_PACKAGES " | " calculator_packages)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "${calculator_packages}")

# What Debian asks of every package: the licences and the changelog; and
# what lintian is told about this package's one departure from Debian's
# archive (see the file).
include(GNUInstallDirs)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${ZEFRA_VERSIONED_DIR}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zefra)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME zefra)

include(CPack)
