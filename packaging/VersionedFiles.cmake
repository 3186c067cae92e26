# The files that carry the program's version, written into the build tree
# (packaging/ there) from project(VERSION) and ZEFRA_RELEASE_DATE in the top
# CMakeLists.txt, so that they and the program never disagree about it:
#   io.github.zefra.zefra.metainfo.xml  the AppStream metadata, its release
#   changelog.Debian(.gz)               the Debian package's changelog entry
#   zefra.1(.gz)                        the manual page
# The compressed copies are what the package installs: gzip -9n, as Debian
# asks, with no name or time stamp in the header.

set(ZEFRA_PACKAGE_RELEASE 1) # the Debian revision: zefra_5.0-1
# The package's maintainer: the project, whoever builds it.
set(ZEFRA_MAINTAINER "Zefra developers <zefra@users.noreply.github.com>")

set(ZEFRA_VERSIONED_DIR ${PROJECT_BINARY_DIR}/packaging)
set(ZEFRA_METAINFO_FILE ${ZEFRA_VERSIONED_DIR}/io.github.zefra.zefra.metainfo.xml)

# A changelog's date is RFC 5322's, with the day of the week.
execute_process(COMMAND date -u -R -d ${ZEFRA_RELEASE_DATE}
    OUTPUT_VARIABLE ZEFRA_RELEASE_DATE_RFC5322 OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)

configure_file(${CMAKE_CURRENT_LIST_DIR}/io.github.zefra.zefra.metainfo.xml.in
    ${ZEFRA_METAINFO_FILE} @ONLY)
find_program(ZEFRA_GZIP gzip REQUIRED)
foreach(name changelog.Debian zefra.1)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/${name}.in ${ZEFRA_VERSIONED_DIR}/${name} @ONLY)
    execute_process(COMMAND ${ZEFRA_GZIP} -9nc ${ZEFRA_VERSIONED_DIR}/${name}
        OUTPUT_FILE ${ZEFRA_VERSIONED_DIR}/${name}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()
