# The Debian package (scripts/package.sh runs CPack's DEB generator on a Release build).
# Everything the package holds comes from the install rules of src/; this file only describes
# the package: name, version, dependencies, description and the Debian documents.

set(ZUL_PACKAGE_MAINTAINER "Zul maintainers <zul@velmarok.example>"
    CACHE STRING "Maintainer field of the Debian package")

# The Debian documents every package carries: the copyright notice and the changelog
# (a native package, so "changelog.gz"), compressed reproducibly.
zul_gzip(${PROJECT_SOURCE_DIR}/packaging/changelog zul_changelog)
add_custom_target(zul_package_doc ALL DEPENDS ${zul_changelog})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${zul_changelog} DESTINATION share/doc/zul)

# The changelog's newest entry names the version being packaged.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog zul_changelog_top LIMIT_COUNT 1)
if(NOT zul_changelog_top MATCHES "^zul \\(${PROJECT_VERSION}\\) ")
  message(WARNING "packaging/changelog does not start with an entry for version ${PROJECT_VERSION}: "
                  "add one before building the package")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zul)
set(CPACK_PACKAGE_VENDOR Velmarok)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "allowable bearing capacity of a single foundation pile")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[Zul computes the allowable push-in bearing capacity Ra and the allowable
pull-out capacity Pa of one foundation pile, for the normal and the level-1
earthquake case, from the pile, the ground layers and the SPT N-values. It
covers eight construction methods, end-bearing and friction piles, the
automatic tip resistance of driven piles and the blade pull-out resistance of
rotary press-in steel pipe piles.

The package holds the Japanese desktop program (zul) with its input, check
and study graph screens, the preview and print program for the calculation
report (Preview), the command-line program (zul-cli) for scripts and batch
work, the report templates and example studies (*.zul files).]=])

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZUL_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Shared libraries from dpkg-shlibdeps; the report and the screens need a Japanese Gothic font,
# and Qt's own dialog buttons speak Japanese only with Qt's translations.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
