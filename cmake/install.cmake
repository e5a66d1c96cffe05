# What an install puts where, and the packages CPack makes of it. Only the
# command and its documents are installed: no tests, benchmark or fuzzer.
include(GNUInstallDirs)

if(WIN32)
    # A Windows user unpacks a zip and finds the program beside its documents;
    # the manual page has no reader there, the READMEs say the same.
    set(KENROW_INSTALL_BINDIR .)
    set(KENROW_INSTALL_DOCDIR .)
else()
    set(KENROW_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR})
    set(KENROW_INSTALL_DOCDIR ${CMAKE_INSTALL_DOCDIR})
    install(FILES doc/kenrow.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
install(TARGETS kenrow RUNTIME DESTINATION ${KENROW_INSTALL_BINDIR})
install(FILES README.md README.ja.md LICENSE DESTINATION ${KENROW_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME kenrow)
set(CPACK_PACKAGE_VENDOR "the kenrow authors")
set(CPACK_PACKAGE_CONTACT "the kenrow authors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "kenrow converts a WAVE file of 16-bit stereo PCM into a WAVE file of 8-bit stereo PCM at the same rate, printing a report of the input in Japanese (Shift_JIS).")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_RESOURCE_FILE_README ${CMAKE_CURRENT_SOURCE_DIR}/README.md)
set(CPACK_STRIP_FILES ON)
if(WIN32)
    set(CPACK_GENERATOR ZIP)
else()
    set(CPACK_GENERATOR TGZ DEB)
endif()

# Debian: the file name the distribution's tools give a package, the
# libraries the binary really links found by dpkg-shlibdeps, and a section.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

include(CPack)
