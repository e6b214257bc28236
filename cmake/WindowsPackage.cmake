# The zip a Windows user takes (cpack, or the windows workflow preset): one
# folder holding ugraph.exe, the README, the example data file, the
# licences of the libraries compiled into the program and the manual as
# plain text, rendered from man/ugraph.1 by groff (Debian's groff-base) at
# build time, with the CR LF line ends Windows viewers expect.
find_program(UGRAPH_GROFF groff REQUIRED)
set(UGRAPH_MANUAL_TEXT ${PROJECT_BINARY_DIR}/ugraph.txt)
add_custom_command(
  OUTPUT ${UGRAPH_MANUAL_TEXT}
  COMMAND sh -c "${UGRAPH_GROFF} -man -Tutf8 -P-cbou -rLL=78n \"$1\" | sed 's/$/\\r/' >\"$2\""
          manual ${PROJECT_SOURCE_DIR}/man/ugraph.1 ${UGRAPH_MANUAL_TEXT}
  DEPENDS ${PROJECT_SOURCE_DIR}/man/ugraph.1
  COMMENT "Rendering the manual as text"
  VERBATIM)
add_custom_target(ugraph_manual_text ALL DEPENDS ${UGRAPH_MANUAL_TEXT})

install(TARGETS ugraph RUNTIME DESTINATION .)
install(FILES README.md examples/GraphDataFile2.txt ${UGRAPH_MANUAL_TEXT} DESTINATION .)
# ugraph.exe carries nauty's library and the planarity suite, whose
# licences ask that their terms go with the program.
install(FILES ${UGRAPH_NAUTY_SOURCE_DIR}/COPYRIGHT DESTINATION licenses RENAME nauty.txt)
install(FILES ${UGRAPH_PLANARITY_SOURCE_DIR}/LICENSE.TXT DESTINATION licenses RENAME planarity.txt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME ugraph)
set(CPACK_PACKAGE_VENDOR ugraph)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Prepares the data of one undirected graph")
set(CPACK_SYSTEM_NAME win64)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
include(CPack)
