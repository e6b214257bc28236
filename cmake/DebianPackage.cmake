# The Debian package (the deb workflow preset): ugraph_VERSION_ARCH.deb made
# by CPack's DEB generator from the same install rules as `cmake --install`,
# with what Debian's policy asks of a package: the program stripped, the
# manual page and the changelog compressed with gzip -9n (no time stamp, so
# the package is the same from the same sources), the copyright file and the
# documentation under /usr/share/doc/ugraph, and the libraries it runs with
# declared by dpkg-shlibdeps from the binaries themselves.
find_program(UGRAPH_GZIP gzip REQUIRED)
find_program(UGRAPH_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT UGRAPH_DPKG_SHLIBDEPS)
  message(FATAL_ERROR
    "dpkg-shlibdeps not found: install the Debian package dpkg-dev (or run bash .ci/setup deb)")
endif()

set(UGRAPH_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/ugraph)
set(UGRAPH_PACKAGE_FILES ${PROJECT_BINARY_DIR}/debian)
file(MAKE_DIRECTORY ${UGRAPH_PACKAGE_FILES})

# gzip -9n of one file into the package's staging folder.
function(ugraph_gzip source target)
  add_custom_command(
    OUTPUT ${target}
    COMMAND sh -c "\"$1\" -9n -c \"$2\" >\"$3\"" gzip ${UGRAPH_GZIP} ${source} ${target}
    DEPENDS ${source}
    VERBATIM)
endfunction()
ugraph_gzip(${PROJECT_SOURCE_DIR}/man/ugraph.1 ${UGRAPH_PACKAGE_FILES}/ugraph.1.gz)
ugraph_gzip(${PROJECT_SOURCE_DIR}/packaging/debian/changelog ${UGRAPH_PACKAGE_FILES}/changelog.gz)
add_custom_target(ugraph_package_files ALL
                  DEPENDS ${UGRAPH_PACKAGE_FILES}/ugraph.1.gz ${UGRAPH_PACKAGE_FILES}/changelog.gz)

install(FILES ${UGRAPH_PACKAGE_FILES}/ugraph.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${UGRAPH_PACKAGE_FILES}/changelog.gz packaging/debian/copyright
        DESTINATION ${UGRAPH_DOC_DIR})
install(FILES README.md examples/GraphDataFile2.txt DESTINATION ${UGRAPH_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ugraph)
set(CPACK_PACKAGE_VENDOR "the ugraph developers")
set(CPACK_PACKAGE_CONTACT "ugraph maintainers <maintainers@users.noreply.c-seed-54fd832d.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "prepare and study small undirected graphs at the console")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "ugraph types in, loads, corrects and stores undirected graphs of up to 50\n"
    "nodes kept in a plain text data file, shows their degrees and adjacency\n"
    "arrays, and converts them to and from the formats of nauty (graph6,\n"
    "sparse6), NetworkX and igraph (edge and adjacency lists) and Graphviz (DOT).")
string(REPLACE ";" "" CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
include(CPack)
