# The Debian package of the install rules: `cpack -G DEB` in a Release build
# (scripts/package.sh does it all). Installs under /usr; the library
# dependencies come from the binary through dpkg-shlibdeps (package
# dpkg-dev), the Japanese font the window asks for is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zefra)
set(CPACK_PACKAGE_VENDOR "Zefra developers")
set(CPACK_PACKAGE_CONTACT "Zefra maintainers <maintainers@users.noreply.c-seed-1b2905ab.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "engineering calculator for building-services design")
set(CPACK_PACKAGE_DESCRIPTION
    "Zefra sizes ducts, supply outlets and return inlets, and water pipes for
HVAC and plumbing designers, computes the state of moist air, and converts
between conventional and SI units, in one small window. Every numeric field
takes an arithmetic expression. The interface is in Japanese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # zefra_5.0-1_amd64.deb
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/zefra/zefra")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's fonts, in the order it looks for them (form::GothicFont).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic | fonts-noto-cjk")

include(CPack)
