# The Debian package: cmake --build build --target package gives build/greenfold_*.deb.
# Manual pages and the changelog are compressed the way Debian wants them (gzip -9n:
# no name or time stamp inside, so the bytes do not change from build to build).
set(debian ${PROJECT_SOURCE_DIR}/resources/debian)
set(compressed)
foreach(page greenfold.1 greenfold-cli.1 greenfold-launch.1 changelog)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/debian/${page}.gz
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/debian
                     COMMAND gzip -9nc ${debian}/${page} > ${PROJECT_BINARY_DIR}/debian/${page}.gz
                     DEPENDS ${debian}/${page} VERBATIM)
  list(APPEND compressed ${PROJECT_BINARY_DIR}/debian/${page}.gz)
endforeach()
add_custom_target(debian_docs ALL DEPENDS ${compressed})

install(FILES ${PROJECT_BINARY_DIR}/debian/greenfold.1.gz ${PROJECT_BINARY_DIR}/debian/greenfold-cli.1.gz
              ${PROJECT_BINARY_DIR}/debian/greenfold-launch.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${debian}/copyright ${PROJECT_BINARY_DIR}/debian/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/greenfold)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME greenfold)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Greenfold developers")
set(CPACK_PACKAGE_CONTACT "Greenfold developers <greenfold@greenfold.invalid>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Greenfold developers <greenfold@greenfold.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "golf league records: rounds, handicap indexes, teams, lists")
set(CPACK_PACKAGE_DESCRIPTION
    "Greenfold keeps the records of a casual golf league on one computer: courses\n"
    "with their pars, course ratings and slope ratings; players with up to 20 kept\n"
    "rounds each; handicap differentials, handicap indexes and course handicaps;\n"
    "teams and their points; and the printed handicap lists, charts, handicap cards\n"
    "and team reports a league secretary hands out on league night. The\n"
    "greenfold-cli command lists, imports and exports a league from a shell.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
